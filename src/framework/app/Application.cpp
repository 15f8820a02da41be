#include "framework/app/Application.h"

#include "framework/app/ResStrings.h"
#include "framework/core/Exceptions.h"

void SetApplicationBiDiMode(tankora::TBiDiMode mode)
{
    QGuiApplication::setLayoutDirection(
        mode == tankora::bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft);
}

tankora::TBiDiMode ApplicationBiDiMode()
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? tankora::bdRightToLeft
                                                                 : tankora::bdLeftToRight;
}

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{ }

TApplication::~TApplication()
{
    // Forms go while the application object still exists.
    m_mainForm = nullptr;
    while (!m_forms.empty())
        m_forms.pop_back();
}

TApplication* TApplication::Instance()
{
    return qobject_cast<TApplication*>(QCoreApplication::instance());
}

void TApplication::SetTitle(const QString& title)
{
    m_title = title;
    setApplicationDisplayName(title);
}

void TApplication::AddForm(TCustomForm* form)
{
    m_forms.emplace_back(form);
    if (!m_mainForm)
        m_mainForm = form;
}

int TApplication::Run()
{
    if (!m_mainForm)
        return 0;
    setQuitOnLastWindowClosed(false);
    QObject::connect(m_mainForm, &QObject::destroyed, this, &QCoreApplication::quit);
    m_mainForm->Show();
    return exec();
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        const bool handled = QApplication::notify(receiver, event);
        // The loop ends when the main form accepts being closed.
        if (receiver == m_mainForm && event->type() == QEvent::Close && event->isAccepted())
            quit();
        return handled;
    } catch (const std::exception& error) {
        HandleException(error);
    } catch (...) {
        HandleException(Exception(LoadResString(SUnknownException)));
    }
    return false;
}
