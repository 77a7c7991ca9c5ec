#pragma once

#include <QComboBox>

namespace plandex {

// The drive list: the root folders of the mounted file systems, our stand-in
// for a list of drive letters.
class DriveList : public QComboBox
{
    Q_OBJECT

public:
    explicit DriveList(QWidget *parent = nullptr);

    QString drive() const;
    bool setDrive(const QString &root);
    // The roots offered, as listed.
    QStringList roots() const;

    // The folder the directory list goes to when root is chosen from roots:
    // the working folder when it is on that drive, else the drive's root.
    static QString folderForDrive(
        const QString &root, const QString &currentDir, const QStringList &roots);

    // The listed roots of the mounted volumes, sorted; always holds "/".
    static QStringList mountRoots();
    // Whether a volume of this file system type mounted at root is offered.
    static bool isListedVolume(const QString &root, const QByteArray &fileSystemType);
    // The deepest of roots that holds path, empty when none does.
    static QString driveOf(const QString &path, const QStringList &roots);

signals:
    void driveChanged(const QString &root);

private:
    static bool isUnder(const QString &path, const QString &root);

    bool m_quiet = false;
};

} // namespace plandex
