#include "ui/chart/SafeFileWrite.h"

#include "ui/chart/ChartTexts.h"

#include <QFileInfo>
#include <QSaveFile>

bool WriteFileSafely(
    const QString& path, const std::function<bool(QIODevice&)>& write, QString& error)
{
    const QFileInfo target(path);
    // The mode bits, not WriteUser: that one asks the system, which lets
    // an administrator write anything.
    constexpr QFile::Permissions kAnyWrite
        = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (target.exists() && !(target.permissions() & kAnyWrite)) {
        error = tankora::chart::T("The file is read-only.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    if (!write(file)) {
        error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
