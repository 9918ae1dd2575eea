#pragma once
// The folder chooser of the settings pages, and a read-only path field that shows its path
// compacted to the field's width.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace hvx::gui {

// The platform's folder chooser with the given title, opened on the initial folder; the chosen
// folder, or nullopt when cancelled.
std::optional<QString> BrowseForFolder(QWidget* parent, const QString& title, const QString& initialFolder);

// Replaces the chooser (tests); an empty function restores the platform's.
using FolderBrowser = std::function<std::optional<QString>(QWidget*, const QString&, const QString&)>;
void SetFolderBrowser(FolderBrowser browser);

// The text of fullPath that fits the field's width (see hvx::CompactPathText).
QString CompactPathText(const QLineEdit* control, const QString& fullPath);

// A directory as a settings page shows it: the full path, the read-only field with its compacted
// text (made again whenever the field changes its width) and the browse button, which asks for a
// folder with the numbered title.
class PathField : public QObject {
    Q_OBJECT
public:
    // marker: the handler's log-book text of the browse button.
    PathField(QLineEdit* edit, QPushButton* browse, int titleNumber, QString marker, QObject* parent);

    QString path() const { return m_path; }
    void setPath(const QString& path);
    QLineEdit* edit() const { return m_edit; }
    QPushButton* browseButton() const { return m_browse; }
    void OnBrowse();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QLineEdit* m_edit;
    QPushButton* m_browse;
    int m_titleNumber;
    QString m_marker;
    QString m_path;
};

} // namespace hvx::gui
