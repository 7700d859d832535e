#include "tablesearchpanel.h"

#include "arraywindowtexts.h"
#include "candidatetext.h"
#include "failuretext.h"
#include "mainwindowseam.h"
#include "tablesearchjob.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TableSearchPanel::TableSearchPanel(
    MainWindowSeam *form, QWidget *parent, const std::function<QWidget *(QWidget *)> &beside)
    : QWidget(parent)
    , m_form(form)
    , m_job(new TableSearchJob(this))
    , m_find(new QPushButton(this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(this))
{
    auto *layout = new QVBoxLayout(this);
    // The window's spacing, as if the row and the list stood in its own layout.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *row = new QHBoxLayout;
    m_find->setObjectName(QStringLiteral("findTables"));
    m_find->setAutoDefault(false);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 1000);
    m_progress->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("cancelSearch"));
    m_cancel->setAutoDefault(false);
    m_progress->hide();
    m_cancel->hide();
    row->addWidget(m_find);
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    row->addStretch();
    row->addWidget(beside(this));
    layout->addLayout(row);
    connect(m_find, &QPushButton::clicked, this, &TableSearchPanel::findTables);
    connect(m_cancel, &QPushButton::clicked, this, &TableSearchPanel::stopSearch);
    connect(m_job, &TableSearchJob::progress, m_progress, &QProgressBar::setValue);
    connect(m_job, &TableSearchJob::finished, this, &TableSearchPanel::searchDone);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("candidates"));
    // Whole rows, however tall the font makes one; a long line is cut in the middle rather than given a
    // scroll bar that would hide the last row.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->addItem(QStringLiteral("0"));
    m_list->setFixedHeight(3 * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth());
    m_list->clear();
    layout->addWidget(m_list);
    connect(m_list, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { chooseCandidate(m_list->row(item)); });
    connect(m_list, &QListWidget::itemClicked, this,
        [this](QListWidgetItem *item) { chooseCandidate(m_list->row(item)); });
    setTabOrder(m_find, m_cancel);
    m_find->setEnabled(false);
}

void TableSearchPanel::applyLanguage()
{
    const ArrayWindowTexts &t = arrayWindowTexts(m_form->language());
    m_find->setText(t.findTables);
    m_find->setToolTip(t.findTablesTip);
    m_cancel->setText(t.cancel);
    m_list->setAccessibleName(t.candidatesName);
    // The list carries words too: say them again.
    showResult();
}

QString TableSearchPanel::hint() const
{
    const ArrayWindowTexts &t = arrayWindowTexts(m_form->language());
    const bool foundNone
        = m_result && !m_result->cancelled && !m_result->failure && m_result->candidates.empty();
    return foundNone ? t.foundNoTables : t.findTablesHint;
}

void TableSearchPanel::followFile()
{
    if (m_form->path() == m_searchPath)
        return;
    // Tables found in another file mean nothing here.
    stopSearch();
    m_result.reset();
    m_list->clear();
}

void TableSearchPanel::findTables()
{
    const QString path = m_form->path();
    if (path.isEmpty())
        return;
    m_result.reset();
    m_list->clear();
    m_progress->setValue(0);
    m_progress->show();
    m_cancel->show();
    m_find->setEnabled(false);
    m_searchPath = path;
    m_job->start(path);
}

void TableSearchPanel::stopSearch()
{
    if (!m_job->isRunning())
        return;
    m_job->cancel();
    m_progress->hide();
    m_cancel->hide();
    m_find->setEnabled(m_available);
    m_result = TableSearch { {}, std::nullopt, true };
    showResult();
}

void TableSearchPanel::setAvailable(bool available)
{
    m_available = available;
    m_find->setEnabled(available && !m_job->isRunning());
}

void TableSearchPanel::searchDone(const TableSearch &search)
{
    const QString before = hint();
    m_progress->hide();
    m_cancel->hide();
    m_find->setEnabled(m_available);
    m_result = search;
    showResult();
    if (hint() != before)
        emit hintChanged();
}

void TableSearchPanel::showResult()
{
    m_list->clear();
    if (!m_result)
        return;
    const ArrayWindowTexts &t = arrayWindowTexts(m_form->language());
    for (const TableCandidate &c : m_result->candidates)
        m_list->addItem(candidateText(c, { t.candidate, t.angleMapLoaded, t.rotatedLoaded, t.wholeFile }));
    if (m_result->cancelled)
        m_list->addItem(t.searchCancelled);
    else if (m_result->failure)
        m_list->addItem(failureLine(languageTexts(m_form->language()).MsgReadFailed, *m_result->failure));
    else if (m_result->candidates.empty())
        m_list->addItem(t.noCandidates);
    else
        m_list->setCurrentRow(0);
}

void TableSearchPanel::chooseCandidate(int row)
{
    if (!m_result || row < 0 || size_t(row) >= m_result->candidates.size() || !m_form->loaded())
        return;
    const TableCandidate &c = m_result->candidates[size_t(row)];
    emit candidateChosen(c.arrayStart, c.angleStart);
}
