#pragma once

#include <QListWidget>

namespace plandex {

// The directory list: the current folder's ancestors from "/" down, each one
// step deeper, then its subfolders. Double-click or Enter goes to a folder.
class DirList : public QListWidget
{
    Q_OBJECT

public:
    // Every item carries its folder's full path and its depth ("/" is 0).
    static constexpr int PathRole = Qt::UserRole;
    static constexpr int DepthRole = Qt::UserRole + 1;

    explicit DirList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    bool setPath(const QString &path);

signals:
    void pathChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void refresh();
    void goTo(const QListWidgetItem *item);
    QListWidgetItem *addFolder(
        const QString &name, const QString &path, int depth, const QIcon &icon);

    QString m_path;
};

} // namespace plandex
