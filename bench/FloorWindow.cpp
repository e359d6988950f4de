// The least a Qt Widgets main window takes on this display: a menu bar, a table of a few rows
// and a status bar, doing nothing else. bench/window-timing.sh times it from the process
// start to its first painted rows, as it times the real window.

#include "ui/main/FirstPaintReport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTableView>

#include <cstdio>

int main(int argc, char **argv)
{
    const QString report = qEnvironmentVariable("NUDGELY_FIRST_PAINT_REPORT");
    if (report.isEmpty()) {
        std::fputs("nudgely_floor_window: set NUDGELY_FIRST_PAINT_REPORT to the file for the time\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &app,
                                                                  &QCoreApplication::quit);
    QStandardItemModel model(10, 6);
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            model.setItem(row, column, new QStandardItem(QString::number(row * 10 + column)));
    }
    auto *view = new QTableView;
    view->setModel(&model);
    window.setCentralWidget(view);
    window.statusBar()->showMessage(QStringLiteral("ready"));
    QObject::connect(new nudgely::FirstPaintReport(view, report), &nudgely::FirstPaintReport::reported, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
