// The application object and the process-wide reading direction of every
// form. Exceptions that reach the event loop go to HandleException
// (ExceptionHandler.h).
//
// Typical program entry:
//   TApplication app(argc, argv);
//   app.Initialize();
//   app.SetTitle("Tankora");
//   app.CreateForm<TMainForm>();
//   return app.Run();
#pragma once

#include "framework/app/ExceptionHandler.h"
#include "framework/app/Forms.h"
#include "framework/controls/ControlTypes.h"
#include "framework/layout/FormReader.h"

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

// The reading direction of every form (through Qt's layout direction).
void SetApplicationBiDiMode(tankora::TBiDiMode mode);
tankora::TBiDiMode ApplicationBiDiMode();

class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    // The running application object, or null under another QApplication.
    static TApplication* Instance();

    // Prepares the run (nothing is left to prepare on this platform).
    void Initialize() { }
    QString Title() const { return m_title; }
    void SetTitle(const QString& title);

    // Creates a form of class T from its stored layout; the first one
    // created becomes the main form. The application owns its forms.
    template <typename T> T* CreateForm()
    {
        T* form = ::CreateForm<T>();
        AddForm(form);
        return form;
    }
    TCustomForm* MainForm() const { return m_mainForm; }
    // Shows the main form and runs the event loop until it closes; returns
    // the exit code.
    int Run();

    // Catches what an event handler throws and hands it to HandleException.
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void AddForm(TCustomForm* form);

    QString m_title;
    TCustomForm* m_mainForm = nullptr;
    std::vector<std::unique_ptr<TCustomForm>> m_forms;
};
