#pragma once

#include "tablefinder.h"

#include <QWidget>

#include <functional>
#include <optional>

class MainWindowSeam;
class QListWidget;
class QProgressBar;
class QPushButton;
class TableSearchJob;

/// The array window's table search: Find tables, its progress and Cancel, and the candidates found, one
/// of which a click or Enter hands back through candidateChosen(). Only the file the main window shows
/// is searched, on a pool thread.
class TableSearchPanel : public QWidget
{
    Q_OBJECT

public:
    /// `beside` makes the widget that stands right of Find tables, with the panel as its parent: made
    /// here, it follows Cancel and comes before the list in the tab order. `form` must outlive the panel.
    TableSearchPanel(
        MainWindowSeam *form, QWidget *parent, const std::function<QWidget *(QWidget *)> &beside);

    void applyLanguage();
    /// The words that end the window's warning on bytes that do not look like collision data.
    [[nodiscard]] QString hint() const;
    /// A file is on display, another or the same: what was found in another file is forgotten.
    void followFile();
    /// Stops a search that is running; the list says so.
    void stopSearch();
    /// Find tables waits for an array on display: without one there is nothing to search.
    void setAvailable(bool available);

signals:
    /// The user chose the tables at these 0-based offsets.
    void candidateChosen(qint64 arrayStart, qint64 angleStart);
    void hintChanged();

private:
    void findTables();
    void searchDone(const TableSearch &search);
    void showResult();
    void chooseCandidate(int row);

    MainWindowSeam *m_form;
    TableSearchJob *m_job;
    // How the last search of m_searchPath ended.
    std::optional<TableSearch> m_result;
    QString m_searchPath;
    bool m_available = false;

    // Children of this panel, owned by Qt.
    QPushButton *m_find;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    QListWidget *m_list;
};
