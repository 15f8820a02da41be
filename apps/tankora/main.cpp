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
//
// Otherwise the window restores what it held when it last closed and saves it
// again when it closes (WindowSettings.h), unless TANKORA_SETTINGS=none; a
// save that fails is reported on stderr and ends the program with exit code 1.
// Dumps and screenshots neither read nor write saved settings.
#include "ui/Main.h"
#include "WindowDump.h"
#include "ui/WindowSettings.h"

#include "framework/app/Application.h"

#include <QSettings>
#include <QTimer>

#include <cstdio>
#include <exception>
#include <memory>

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
    std::unique_ptr<TWindowSettings> settings;
    if (screenshot.isEmpty() && dump.isEmpty()) {
        if (std::unique_ptr<QSettings> store = TWindowSettings::UserStore()) {
            settings = std::make_unique<TWindowSettings>(
                *qobject_cast<TMainForm*>(application.MainForm()), std::move(store));
        }
    }
    const int exitCode = application.Run();
    if (settings && settings->SaveFailed()) {
        std::fprintf(stderr, "tankora: cannot save the settings to %s\n",
            qPrintable(TWindowSettings::UserStore()->fileName()));
        return exitCode == 0 ? 1 : exitCode;
    }
    return exitCode;
}
