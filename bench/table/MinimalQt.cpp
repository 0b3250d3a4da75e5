// The baseline: the least a Qt Widgets program does before it could show a dialog.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <chrono>

#include "bench/table/PeakMemory.h"

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    window.setCentralWidget(new QLabel("Hello"));
    ReportAndQuit(started);
}
