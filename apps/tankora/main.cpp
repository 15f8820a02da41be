// Program entry: the application titled "Tankora", the main window created
// from its stored layout, and the event loop until the window closes.
//
// TANKORA_SCREENSHOT=<file.png> saves the window as it first shows to that
// file and ends the program (exit code 1 when the file cannot be written);
// scripts/screenshot.sh uses it on the offscreen platform.
//
// TANKORA_DUMP=<file> writes the window's state as JSON to that file once it
// has started and shown, and ends the program (exit code 1 when the file
// cannot be written).
#include "ui/Main.h"
#include "WindowDump.h"

#include "framework/app/Application.h"

#include <QTimer>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    application.Initialize();
    application.SetTitle(QStringLiteral("Tankora"));
    const QString screenshot = qEnvironmentVariable("TANKORA_SCREENSHOT");
    const QString dump = qEnvironmentVariable("TANKORA_DUMP");
    try {
        RegisterMainFormClasses();
        application.CreateForm<TMainForm>();
    } catch (const std::exception& error) {
        // A window that cannot be created (an unusable cylang.mld in the
        // current directory, say) ends the program: one line on stderr, and
        // the error box for a user at the desktop, but not for a run that
        // must never wait for input.
        std::fprintf(stderr, "tankora: %s\n", error.what());
        if (screenshot.isEmpty() && dump.isEmpty())
            HandleException(error);
        return 1;
    }

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, &application, [&application, &screenshot] {
            const bool saved = application.MainForm()->grab().save(screenshot);
            if (!saved)
                std::fprintf(stderr, "tankora: cannot write %s\n", qPrintable(screenshot));
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    if (!dump.isEmpty()) {
        QTimer::singleShot(0, &application, [&application, &dump] {
            std::string error;
            const bool written
                = WriteWindowState(*application.MainForm(), dump.toStdString(), error);
            if (!written)
                std::fprintf(stderr, "tankora: %s\n", error.c_str());
            QCoreApplication::exit(written ? 0 : 1);
        });
    }
    return application.Run();
}
