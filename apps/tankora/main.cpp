// Program entry: the application titled "Tankora", the main window created
// from its stored layout, and the event loop until the window closes.
//
// TANKORA_SCREENSHOT=<file.png> saves the window as it first shows to that
// file and ends the program (exit code 1 when the file cannot be written);
// scripts/screenshot.sh uses it on the offscreen platform.
#include "Main.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tankora"));

    std::unique_ptr<TMainForm> form;
    try {
        form.reset(CreateMainForm());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tankora: %s\n", error.what());
        QMessageBox::critical(
            nullptr, QStringLiteral("Error"), QString::fromLocal8Bit(error.what()));
        return 1;
    }
    form->Show();

    const QString screenshot = qEnvironmentVariable("TANKORA_SCREENSHOT");
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, form.get(), [&form, &screenshot] {
            const bool saved = form->grab().save(screenshot);
            if (!saved)
                std::fprintf(stderr, "tankora: cannot write %s\n", qPrintable(screenshot));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return application.exec();
}
