#include "devicedata/gui/AlarmDlg.h"

#include "base/Language.h"
#include "base/gui/DialogTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

using hvx::gui::WithCtrlId;

namespace {

// Columns: title text, width, alignment.
struct Column {
    int text;
    int width;
    Qt::Alignment alignment;
};
constexpr Column kColumns[] = {
    {459, 150, Qt::AlignRight | Qt::AlignVCenter}, // "Alarm von"
    {460, 150, Qt::AlignRight | Qt::AlignVCenter}, // "Alarm bis"
    {461, 200, Qt::AlignLeft | Qt::AlignVCenter},  // "Alarmbezeichnung"
};

QLineEdit* ReadOnlyField(QWidget* parent, int id)
{
    auto* field = WithCtrlId(new QLineEdit(parent), id);
    field->setReadOnly(true);
    field->setMaximumWidth(80);
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

CAlarmDlg::CAlarmDlg(CHVXDoc& doc, QWidget* parent)
    : LanDialog("CAlarmDlg", "Alarmdaten-Dialog", 180, parent)
    , m_doc(doc)
    , m_list(WithCtrlId(new QTableWidget(0, 3, this), kList))
    , m_stored(ReadOnlyField(this, kStored))
    , m_occurred(ReadOnlyField(this, kOccurred))
    , m_fetch(WithCtrlId(new QPushButton(QStringLiteral("empfangen"), this), kFetch))
    , m_save(WithCtrlId(new QPushButton(QStringLiteral("speichern"), this), kSave))
{
    setWindowTitle(QStringLiteral("Alarmdaten..."));
    m_list->verticalHeader()->hide();
    m_list->setWordWrap(false);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 6);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < 3; ++c)
        m_list->setColumnWidth(c, kColumns[c].width);
    // Room for the longest alarm texts without cutting them.
    m_list->setMinimumWidth(kColumns[0].width + kColumns[1].width + kColumns[2].width + 160);
    m_list->setMinimumHeight(260);

    auto* group = WithCtrlId(new QGroupBox(QStringLiteral("Alarmdaten"), this), kGroup);
    auto* buttons = new QVBoxLayout(group);
    auto* remove = WithCtrlId(new QPushButton(QStringLiteral("löschen"), group), kDelete);
    auto* load = WithCtrlId(new QPushButton(QStringLiteral("laden"), group), kLoad);
    for (QPushButton* button : {m_fetch, m_save, remove, load}) {
        button->setParent(group);
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0, 3, 4);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Gespeicherte Alarme"), this), kStoredLabel), 3, 0);
    grid->addWidget(m_stored, 3, 1);
    grid->addWidget(WithCtrlId(new QLabel(QStringLiteral("Aufgetretene Alarme"), this), kOccurredLabel), 3, 2);
    grid->addWidget(m_occurred, 3, 3);
    grid->addWidget(group, 0, 4);
    cancelButton()->hide();
    grid->addWidget(buttonBox(), 3, 4);
    grid->setColumnStretch(0, 1);

    connect(m_fetch, &QPushButton::clicked, this, &CAlarmDlg::OnFetch);
    connect(m_save, &QPushButton::clicked, this, &CAlarmDlg::OnSave);
    connect(remove, &QPushButton::clicked, this, &CAlarmDlg::OnDelete);
    connect(load, &QPushButton::clicked, this, &CAlarmDlg::OnLoad);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, &CAlarmDlg::OnColumnClick);
}

void CAlarmDlg::onInitDialog()
{
    QStringList titles;
    for (const Column& column : kColumns)
        titles << GetStringsText(column.text);
    m_list->setHorizontalHeaderLabels(titles);
    ShowState();
}

void CAlarmDlg::ShowState()
{
    m_stored->setText(QString::number(m_state.stored()));
    m_occurred->setText(QString::number(m_state.occurred()));
    m_save->setEnabled(m_state.saveEnabled());
    const std::vector<hvx::CAlarmListData>& rows = m_state.rows();
    m_list->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const QString texts[] = {rows[std::size_t(r)].m_strStart, rows[std::size_t(r)].m_strEnd,
                                 rows[std::size_t(r)].m_strText};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(kColumns[c].alignment);
            m_list->setItem(r, c, item);
        }
    }
}

void CAlarmDlg::OnFetch()
{
    m_state.Fetch();
    ShowState();
}

void CAlarmDlg::OnSave()
{
    m_state.Save();
    ShowState();
}

void CAlarmDlg::OnLoad()
{
    m_state.Load();
    ShowState();
}

void CAlarmDlg::OnDelete()
{
    hvx::DeleteAlarmMemory(m_doc);
}

void CAlarmDlg::OnColumnClick(int column)
{
    m_state.SortBy(static_cast<hvx::AlarmColumn>(column));
    ShowState();
}

bool CAlarmDlg::onOK()
{
    m_state.Ok();
    return true;
}

void CAlarmDlg::reject()
{
    accept();
}
