#!/usr/bin/python3
"""The output formats read back by independent readers: csv, json and icalendar.

usage: check-formats.py NUDGELY SOURCE-DIR
"""
import atexit, csv, datetime, io, json, os, shutil, subprocess, sys, tempfile

import icalendar
from dateutil import rrule

nudgely, source = os.path.abspath(sys.argv[1]), sys.argv[2]
folder = tempfile.mkdtemp(prefix="nudgely-formats-")
atexit.register(shutil.rmtree, folder, True)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(ini, *arguments):
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    env.update(XDG_CONFIG_HOME=os.path.join(folder, "config"), LC_ALL="C.UTF-8")
    done = subprocess.run([nudgely, *arguments, "/I", ini], env=env, capture_output=True, cwd=folder)
    if done.returncode != 0:
        sys.exit(f"nudgely {' '.join(arguments)} failed: {done.stderr.decode()}")
    return done.stdout, done.stderr.decode()


def configure(name, lines):
    data = os.path.join(folder, name + ".txt")
    with open(data, "w", encoding="utf-8", newline="") as f:
        f.write("".join(line + "\r\n" for line in lines))
    ini = os.path.join(folder, name + ".ini")
    with open(ini, "w") as f:
        f.write(f"[DataFiles]\n1File={data}\n")
    return data, ini


# Every date form, ages, a one-off event, a bad date, and a description no format may break.
tricky = 'Ann\'s "big" day, with\ttab and J\u00f6rg \u2603'
data, ini = configure("table", [
    "05/12/1990 " + tricky,       # today, 36th
    "04/12/1990 Bob's birthday",  # missed yesterday
    "01/12/1990 Cleo, Cleopatra's birthday", # missed beyond --past: next year's
    "29/02/2000 Leap day",
    "24/12/XXXX Christmas Eve",
    "2SU/05/XXXX Mother's Day",
    "0MO/06/XXXX Last Monday of May",
    "20/12/2026 /A Party",
    "99/xx/19 Broken line",
])
window = ["--today=2026-12-05", "--days=400", "--past=3"]
expected = [  # date, day, age, time left, description; next occurrence
    ("05/12/1990", "Sat", "36th", "0", tricky, "2026-12-05"),
    ("04/12/1990", "Fri", "36th", "-1", "Bob's birthday", "2026-12-04"),
    ("01/12/1990", "Wed", "37th", "361", "Cleo, Cleopatra's birthday", "2027-12-01"),
    ("29/02/2000", "Sun", "27th", "85", "Leap day", "2027-02-28"),
    ("24/12/XXXX", "Thu", " ", "19", "Christmas Eve", "2026-12-24"),
    ("2SU/05/XXXX", "Sun", " ", "155", "Mother's Day", "2027-05-09"),
    ("0MO/06/XXXX", "Mon", " ", "177", "Last Monday of May", "2027-05-31"),
    ("20/12/2026", "Sun", " ", "15", "Party", "2026-12-20"),
    ("99/xx/19", "?", "?", "?", "Broken line", None),
]

out, _ = run(ini, "--format=csv", *window)
records = list(csv.reader(io.StringIO(out.decode("utf-8"), newline="")))
check(records[0] == ["date", "day", "age", "time left", "event description"], f"csv header: {records[0]}")
check(sorted(records[1:]) == sorted([list(row[:5]) for row in expected]), f"csv records: {records[1:]}")
check(b"\r\n" in out and out.count(b"\r\n") == len(expected) + 1, "csv records end in CRLF")

out, _ = run(ini, "--format=json", *window)
subprocess.run([sys.executable, "-m", "json.tool"], input=out, check=True, capture_output=True)
rows = {row["description"]: row for row in json.loads(out)}
check(len(rows) == len(expected), f"json rows: {list(rows)}")
for date, _, age, left, description, next_date in expected:
    row = rows.get(description, {})
    want = {"date": date, "next": next_date, "file": data, "oneOff": date == "20/12/2026",
            "badDate": next_date is None, "description": description,
            "age": int(age[:-2]) if age.endswith("th") else None,
            "daysLeft": None if next_date is None else int(left)}
    if next_date:
        want["weekday"] = datetime.date.fromisoformat(next_date).strftime("%A")
    else:
        want["weekday"] = None
    check(row == want, f"json row {row} is not {want}")

out, err = run(ini, "--format=ics", "--today=2026-12-05")
events = {str(event["SUMMARY"]): event for event in icalendar.Calendar.from_ical(out).walk("VEVENT")}
check(set(events) == {row[4] for row in expected[:-1]}, f"ics summaries: {list(events)}")
check(str(events.get(tricky, {}).get("DESCRIPTION")) == "Year: 1990\ntable.txt, line 1", "ics birth year")
check(str(events.get("Party", {}).get("DESCRIPTION")) == "table.txt, line 8", "ics line of a CRLF file")
check("nudgely: 1 bad date left out of the calendar\n" in err, f"ics: {err}")

# The reference workload: every event with a date in the calendar, every one but the one-off
# ones recurring; bad dates counted on standard error.
workload = os.path.join(folder, "workload")
subprocess.run([sys.executable, os.path.join(source, "bench/gen_workload.py"), workload], check=True)
ini = os.path.join(folder, "workload.ini")
with open(ini, "w") as f:
    f.write("[DataFiles]\n" + "".join(f"{n}File={workload}/events{n:02d}.txt\n" for n in range(1, 21)))
lines = []
for n in range(1, 21):
    with open(f"{workload}/events{n:02d}.txt", encoding="utf-8") as f:
        lines += [line for line in f.read().splitlines() if line and not line.startswith(";")]
bad = sum(line.startswith("99/xx/19") for line in lines)
one_off = sum(" /A " in line for line in lines)
out, err = run(ini, "--format=ics", "--today=2026-12-05")
calendar = icalendar.Calendar.from_ical(out)
events = calendar.walk("VEVENT")
check(len(events) == len(lines) - bad, f"workload: {len(events)} events, not {len(lines) - bad}")
check(sum("RRULE" in event for event in events) == len(lines) - bad - one_off, "workload: rules")
check(len({str(event["UID"]) for event in events}) == len(events), "workload: UIDs are not unique")
check(f"nudgely: {bad} bad dates left out of the calendar\n" in err, f"workload: {err}")
again, _ = run(ini, "--format=ics", "--today=2027-03-01")
check([str(e["UID"]) for e in icalendar.Calendar.from_ical(again).walk("VEVENT")]
      == [str(e["UID"]) for e in events], "UIDs change with the day")

# The calendar's rules expand to the dates Nudgely lists, year after year: the next
# occurrences seen from 1 January, 1 July and 1 December of five years cover every date of
# them. Each is taken within its year or the next two months: seen from further off, a
# year-less date that carries over the end of February is stepped from this year's date.
_, ini = configure("rules", [
    "2SU/05/XXXX Second Sunday of May", "0MO/06/XXXX Last Monday of May",
    "5FI/02/XXXX Fifth Friday of February", "5SU/12/XXXX Fifth Sunday of December",
    "0SU/01/XXXX Last Sunday of December", "29/02/2000 Leap birthday", "29/02/XXXX Leap day",
    "0/03/XXXX End of February", "31/04/XXXX After April",
])
listed = {}
for year in range(2026, 2031):
    for month in (1, 7, 12):
        out, _ = run(ini, "--format=json", f"--today={year}-{month:02d}-01", "--days=366", "--past=0")
        for row in json.loads(out):
            date = datetime.date.fromisoformat(row["next"])
            near = date.year == year or date < datetime.date(year + 1, 2, 1)
            listed.setdefault(row["description"], set()).update({date} if near else set())
first, last = datetime.date(2026, 1, 1), datetime.date(2030, 12, 31)
out, _ = run(ini, "--format=ics", "--today=2026-01-01")
for event in icalendar.Calendar.from_ical(out).walk("VEVENT"):
    start = event.decoded("DTSTART")
    rule = rrule.rrulestr(event["RRULE"].to_ical().decode(), dtstart=datetime.datetime.combine(start, datetime.time()))
    expanded = {d.date() for d in rule.between(datetime.datetime(2000, 1, 1), datetime.datetime(2031, 1, 1), inc=True)
                if first <= d.date() <= last}
    nudgely_dates = {d for d in listed.get(str(event["SUMMARY"]), ()) if d <= last}
    check(expanded == nudgely_dates,
          f"{event['SUMMARY']} ({event['RRULE'].to_ical().decode()}): calendar {sorted(expanded)}, "
          f"Nudgely {sorted(nudgely_dates)}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
