#pragma once

#include <QListWidget>
#include <QRegularExpression>

namespace plandex {

// The file list: the plain, visible files of one folder whose names match a
// wildcard pattern such as "*.kom" or "*.kom;*.txt", regardless of case.
class FileList : public QListWidget
{
    Q_OBJECT

public:
    explicit FileList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    bool setPath(const QString &path);
    QString pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    QString fileName() const;

    static bool matches(const QString &name, const QString &pattern);

signals:
    void fileClicked(const QString &name);
    void fileDoubleClicked(const QString &name);

private:
    static QList<QRegularExpression> compile(const QString &pattern);
    void refresh();

    QString m_path;
    QString m_pattern;
};

} // namespace plandex
