#include "months/ui/months_window.h"

#include "batch/encoding.h"
#include "batch/input.h"
#include "batch/messages.h"
#include "forms/ui/desktop.h"
#include "forms/ui/message_box.h"
#include "forms/ui/page_output.h"
#include "months/captions.h"
#include "months/months_report.h"
#include "months/ui/months_charts.h"
#include "months/ui/months_page.h"
#include "program/calculation.h"
#include "program/version.h"
#include "sc/captions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstring>

namespace kandelo::months {

namespace {

QString q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string s(const QString& text)
{
    return text.toStdString();
}

const QString FileFilter = QStringLiteral("CSV (*.csv)");

// A file's bytes as the batch's readers take them.
class BytesSource final : public batch::ByteSource {
public:
    explicit BytesSource(QByteArray bytes)
        : bytes_(std::move(bytes))
    {
    }
    std::size_t read(char* buffer, std::size_t size) override
    {
        const std::size_t count = std::min(size, std::size_t(bytes_.size()) - at_);
        std::memcpy(buffer, bytes_.constData() + at_, count);
        at_ += count;
        return count;
    }
    void rewind() override { at_ = 0; }

private:
    QByteArray bytes_;
    std::size_t at_ = 0;
};

// Reads a customer's file as the command line does. Raises batch::BatchError.
Sheet readFile(const QString& path, const QByteArray& bytes)
{
    BytesSource source(bytes);
    return readSheetFile(s(QDir::toNativeSeparators(path)), std::nullopt, source);
}

} // namespace

// The charts of the months, side by side, drawn as the report draws them.
class ChartsView : public QWidget {
public:
    explicit ChartsView(const MonthsResult& result, QWidget* parent)
        : QWidget(parent)
        , result_(result)
    {
        setMinimumHeight(220);
        setAccessibleName(QStringLiteral("グラフ：請求上の力率と必要容量"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
        const qreal half = (area.width() - 16) / 2;
        paintPowerFactorChart(painter, QRectF(area.left(), area.top(), half, area.height()), result_, font());
        paintNeedChart(painter, QRectF(area.left() + half + 16, area.top(), half, area.height()), result_, font());
    }

private:
    const MonthsResult& result_;
};

namespace {

constexpr int InputColumns = int(FieldCount);

// The table of months: Delete clears the cells chosen, Ctrl+V pastes a block.
class MonthsTable : public QTableWidget {
public:
    MonthsTable(std::function<void()> paste, std::function<void()> clear, QWidget* parent)
        : QTableWidget(parent)
        , paste_(std::move(paste))
        , clear_(std::move(clear))
    {
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Paste)) {
            paste_();
            return;
        }
        if (event->matches(QKeySequence::Copy)) {
            copySelection();
            return;
        }
        if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
            clear_();
            return;
        }
        QTableWidget::keyPressEvent(event);
    }

private:
    // The cells chosen, as a spreadsheet takes them: a line a row, a tab
    // between cells, from the top left of the selection to its bottom right.
    void copySelection() const
    {
        const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
        if (ranges.isEmpty())
            return;
        int top = rowCount(), bottom = -1, left = columnCount(), right = -1;
        for (const QTableWidgetSelectionRange& range : ranges) {
            top = std::min(top, range.topRow());
            bottom = std::max(bottom, range.bottomRow());
            left = std::min(left, range.leftColumn());
            right = std::max(right, range.rightColumn());
        }
        QStringList lines;
        for (int row = top; row <= bottom; ++row) {
            QStringList cells;
            for (int column = left; column <= right; ++column) {
                const QTableWidgetItem* cell = item(row, column);
                cells << (cell && cell->isSelected() ? cell->text() : QString());
            }
            lines << cells.join(u'\t');
        }
        QGuiApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
    }

    std::function<void()> paste_;
    std::function<void()> clear_;
};

} // namespace

MonthsWindow::MonthsWindow(forms::DesktopService& desktop, forms::MessageBoxService& messages, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , desktop_(desktop)
    , messages_(messages)
{
    setObjectName(QStringLiteral("frmMonths"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(buildSettings());

    table_ = new MonthsTable([this] { paste(); }, [this] { deleteSelection(); }, central);
    table_->setObjectName(QStringLiteral("tblMonths"));
    table_->setAccessibleName(QStringLiteral("月ごとの検針値と計算結果"));
    table_->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    table_->setWordWrap(false);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!showing_ && item->column() < typedColumns())
            edited();
    });

    plan_ = new QTableWidget(0, 2, central);
    plan_->setObjectName(QStringLiteral("tblPlan"));
    plan_->setAccessibleName(QStringLiteral("計画"));
    plan_->setHorizontalHeaderLabels({QStringLiteral("項目"), QStringLiteral("値")});
    plan_->verticalHeader()->hide();
    plan_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    plan_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    notes_ = new QLabel(central);
    notes_->setObjectName(QStringLiteral("lblNotes"));
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    notes_->setAccessibleName(QStringLiteral("注意"));
    charts_ = new ChartsView(result_, central);

    auto* lower = new QWidget(central);
    auto* lowerLayout = new QHBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    auto* planSide = new QVBoxLayout;
    planSide->addWidget(plan_, 1);
    planSide->addWidget(notes_);
    lowerLayout->addLayout(planSide, 2);
    lowerLayout->addWidget(charts_, 5);
    auto* splitter = new QSplitter(Qt::Vertical, central);
    splitter->addWidget(table_);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    buildMenus();

    showSheet(standardSheet());
    resize(1200, 820);
}

MonthsWindow::~MonthsWindow() = default;

QWidget* MonthsWindow::buildSettings()
{
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto labelled = [&](int row, int column, std::string_view caption, QWidget* control) {
        auto* label = new QLabel(q(caption), box);
        label->setBuddy(control);
        grid->addWidget(label, row, column);
        grid->addWidget(control, row, column + 1);
    };
    // A text box under its caption's name, whose edits are the user's.
    const auto field = [&](int row, int column, const char* name, std::string_view caption) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QLatin1String(name));
        edit->setAccessibleName(q(caption));
        labelled(row, column, caption, edit);
        connect(edit, &QLineEdit::textEdited, this, [this] { edited(); });
        return edit;
    };
    customer_ = field(0, 0, "txtCustomer", sc::CustomerCaption);
    site_ = field(0, 2, "txtSite", sc::SiteCaption);
    person_ = field(0, 4, "txtPerson", sc::PersonCaption);
    target_ = field(1, 0, "txtTarget", TargetCaption);
    auto* frequencies = new QGroupBox(q(FrequencyCaption), box);
    frequencies->setAccessibleName(q(FrequencyCaption));
    auto* frequencyLayout = new QHBoxLayout(frequencies);
    frequency_ = new QButtonGroup(this);
    for (const Frequency frequency : {Frequency::Hz50, Frequency::Hz60}) {
        auto* button = new QRadioButton(q(frequencyText(frequency)), frequencies);
        button->setObjectName(frequency == Frequency::Hz50 ? QStringLiteral("opt50Hz") : QStringLiteral("opt60Hz"));
        frequency_->addButton(button, int(frequency));
        frequencyLayout->addWidget(button);
    }
    frequency_->setExclusive(true);
    grid->addWidget(frequencies, 1, 2, 1, 2);

    rule_ = new QComboBox(box);
    rule_->setObjectName(QStringLiteral("cboRule"));
    rule_->setAccessibleName(q(RuleCaption));
    rule_->addItems({q(StandardRuleText), q(OtherRuleText), q(NoRuleText)});
    labelled(2, 0, RuleCaption, rule_);
    basis_ = field(2, 2, "txtBasis", BasisCaption);
    step_ = field(2, 4, "txtStep", StepCaption);
    fixedOnlyCost_ = field(3, 0, "txtFixedOnlyCost", FixedOnlyCostCaption);
    fixedAutoCost_ = field(3, 2, "txtFixedAutoCost", FixedAutoCostCaption);

    connect(frequency_, &QButtonGroup::idClicked, this, [this] { edited(); });
    connect(rule_, &QComboBox::activated, this, [this] { edited(); });
    return box;
}

void MonthsWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    const auto add = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto run) {
        QAction* action = menu->addAction(text);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    add(file, QStringLiteral("開く(&O)..."), QKeySequence::Open, [this] {
        if (isModified()
            && desktop_.askToSave(this, QStringLiteral("変更を保存しますか？")) == forms::SaveAnswer::Cancel)
            return;
        const QString path = desktop_.openFileName(this, QStringLiteral("開く"), proposedFolder(), FileFilter);
        if (!path.isEmpty())
            openFile(path);
    });
    add(file, QStringLiteral("上書き保存(&S)"), QKeySequence::Save, [this] { save(); });
    add(file, QStringLiteral("名前を付けて保存(&A)..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { saveAs(); });
    file->addSeparator();
    add(file, QStringLiteral("PDFで保存(&D)..."), QKeySequence(), [this] { saveAsPdf(); });
    add(file, QStringLiteral("印刷(&P)..."), QKeySequence::Print, [this] { print(); });
    file->addSeparator();
    add(file, QStringLiteral("閉じる(&C)"), QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); });
    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    add(edit, QStringLiteral("結果をコピー(&C)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] { copy(); });
    add(edit, QStringLiteral("貼り付け(&P)"), QKeySequence(), [this] { paste(); });
    add(edit, QStringLiteral("選んだセルを消す(&D)"), QKeySequence(), [this] { deleteSelection(); });
    // The right-click menu outside the table and the fields: the result commands.
    for (QAction* action : file->actions())
        if (action->text().startsWith(QStringLiteral("PDF")) || action->text().startsWith(QStringLiteral("印刷")))
            charts_->addAction(action);
    charts_->addAction(edit->actions().front());
    charts_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* closeKey = new QAction(this);
    closeKey->setShortcut(Qt::Key_Escape);
    connect(closeKey, &QAction::triggered, this, &QWidget::close);
    addAction(closeKey);
}

void MonthsWindow::shareSelection(program::SelectionInputs* selection)
{
    shared_ = selection;
    if (!selection)
        return;
    showing_ = true;
    customer_->setText(q(selection->customer));
    site_->setText(q(selection->site));
    person_->setText(q(selection->person));
    showing_ = false;
    recompute();
}

void MonthsWindow::setTarget(const QString& target)
{
    target_->setText(target);
    recompute();
}

Sheet MonthsWindow::sheet() const
{
    Sheet sheet = standardSheet(otherHeadings_);
    const int width = typedColumns();
    int last = -1;
    for (int row = 0; row < table_->rowCount(); ++row)
        for (int column = 0; column < width; ++column)
            if (const QTableWidgetItem* item = table_->item(row, column); item && !item->text().trimmed().isEmpty())
                last = row;
    for (int row = 0; row <= last; ++row) {
        std::vector<std::string> fields;
        for (int column = 0; column < width; ++column) {
            const QTableWidgetItem* item = table_->item(row, column);
            fields.push_back(item ? s(item->text()) : std::string());
        }
        sheet.rows.push_back(std::move(fields));
    }
    sheet.customer = s(customer_->text());
    sheet.site = s(site_->text());
    sheet.person = s(person_->text());
    sheet.settings.target = s(target_->text());
    if (frequency_->checkedId() >= 0)
        sheet.settings.frequency = Frequency(frequency_->checkedId());
    sheet.settings.rule.kind = TariffRule::Kind(rule_->currentIndex());
    sheet.settings.rule.basis = s(basis_->text());
    sheet.settings.rule.step = s(step_->text());
    sheet.settings.fixedOnlyCost = s(fixedOnlyCost_->text());
    sheet.settings.fixedAutoCost = s(fixedAutoCost_->text());
    return sheet;
}

void MonthsWindow::edited()
{
    if (showing_)
        return;
    modified_ = true;
    setWindowModified(true);
    if (shared_) {
        shared_->customer = s(customer_->text());
        shared_->site = s(site_->text());
        shared_->person = s(person_->text());
    }
    recompute();
}

void MonthsWindow::showSheet(const Sheet& sheet)
{
    showing_ = true;
    otherHeadings_.clear();
    std::vector<std::size_t> otherColumns;
    for (std::size_t column = 0; column < sheet.headings.size(); ++column)
        if (std::find(sheet.columns.begin(), sheet.columns.end(), std::optional<std::size_t>(column))
            == sheet.columns.end()) {
            otherHeadings_.push_back(sheet.headings[column]);
            otherColumns.push_back(column);
        }
    QStringList headings;
    for (const std::string_view heading : FieldHeadings)
        headings << q(heading);
    for (const std::string& heading : otherHeadings_)
        headings << q(heading);
    for (const std::string_view heading : ComputedHeadings)
        headings << q(heading);
    headings << q(BasicChargeHeading);
    table_->clear();
    table_->setColumnCount(int(headings.size()));
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(int(std::max<std::size_t>(12, std::min(MaxMonths, sheet.rows.size() + 1))));
    completeRows();
    for (std::size_t row = 0; row < sheet.rows.size(); ++row) {
        for (std::size_t field = 0; field < FieldCount; ++field)
            if (sheet.columns[field] && *sheet.columns[field] < sheet.rows[row].size())
                table_->item(int(row), int(field))->setText(q(sheet.rows[row][*sheet.columns[field]]));
        for (std::size_t other = 0; other < otherColumns.size(); ++other)
            table_->item(int(row), InputColumns + int(other))->setText(q(sheet.rows[row][otherColumns[other]]));
    }
    customer_->setText(q(sheet.customer));
    site_->setText(q(sheet.site));
    person_->setText(q(sheet.person));
    target_->setText(q(sheet.settings.target));
    if (sheet.settings.frequency) {
        frequency_->button(int(*sheet.settings.frequency))->setChecked(true);
    } else {
        frequency_->setExclusive(false);
        for (QAbstractButton* button : frequency_->buttons())
            button->setChecked(false);
        frequency_->setExclusive(true);
    }
    rule_->setCurrentIndex(int(sheet.settings.rule.kind));
    basis_->setText(q(sheet.settings.rule.basis));
    step_->setText(q(sheet.settings.rule.step));
    fixedOnlyCost_->setText(q(sheet.settings.fixedOnlyCost));
    fixedAutoCost_->setText(q(sheet.settings.fixedAutoCost));
    showing_ = false;
    recompute();
}

int MonthsWindow::typedColumns() const
{
    return InputColumns + int(otherHeadings_.size());
}

void MonthsWindow::completeRows()
{
    const int first = typedColumns();
    for (int row = 0; row < table_->rowCount(); ++row)
        for (int column = 0; column < table_->columnCount(); ++column) {
            if (table_->item(row, column))
                continue;
            auto* item = new QTableWidgetItem;
            if (column >= first) {
                item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
                item->setBackground(palette().window());
            }
            table_->setItem(row, column, item);
        }
}

void MonthsWindow::recompute()
{
    const Sheet current = sheet();
    result_ = computeMonths(current.entries(), current.settings);
    calculatedAt_ = QDateTime::currentDateTime();
    basis_->setEnabled(rule_->currentIndex() == int(TariffRule::Kind::Other));
    step_->setEnabled(basis_->isEnabled());

    showing_ = true;
    const int first = typedColumns();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const MonthResult* month = std::size_t(row) < result_.rows.size() ? &result_.rows[std::size_t(row)] : nullptr;
        for (std::size_t column = 0; column < ComputedCount; ++column)
            table_->item(row, first + int(column))->setText(month ? q(month->cells[column]) : QString());
        table_->item(row, first + int(ComputedCount))->setText(month ? q(month->basicCharge) : QString());
    }
    // Room for the next month.
    if (!current.rows.empty() && int(current.rows.size()) == table_->rowCount()
        && table_->rowCount() < int(MaxMonths)) {
        const int row = table_->rowCount();
        table_->insertRow(row);
        completeRows();
    }
    showing_ = false;
    table_->resizeColumnsToContents();

    plan_->setRowCount(int(result_.items.size()));
    for (std::size_t at = 0; at < result_.items.size(); ++at) {
        plan_->setItem(int(at), 0, new QTableWidgetItem(q(result_.items[at].caption)));
        auto* value = new QTableWidgetItem(q(result_.items[at].value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        plan_->setItem(int(at), 1, value);
    }
    QStringList notes;
    for (const std::string& note : result_.notes)
        notes << QStringLiteral("・") + q(note);
    notes_->setText(notes.join(u'\n'));
    charts_->update();
    updateTitle();
}

void MonthsWindow::paste()
{
    const QString text = QGuiApplication::clipboard()->text();
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return;
    std::vector<QStringList> cells;
    for (const QString& line : lines)
        cells.push_back(line.split(u'\t'));
    // A first line of headings places each column under the heading it names.
    std::vector<std::optional<int>> columns;
    bool headed = false;
    for (const QString& heading : cells.front()) {
        const std::optional<Field> field = fieldNamed(s(heading));
        columns.push_back(field ? std::optional<int>(int(*field)) : std::nullopt);
        headed = headed || field;
    }
    int row = std::max(0, table_->currentRow());
    if (headed) {
        cells.erase(cells.begin());
    } else {
        const int column = std::max(0, table_->currentColumn());
        qsizetype widest = 0;
        for (const QStringList& line : cells)
            widest = std::max(widest, line.size());
        columns.clear();
        for (int at = 0; at < widest; ++at)
            columns.push_back(column + at);
    }
    if (std::size_t(row) + cells.size() > MaxMonths) {
        messages_.show(q(TooManyMonthsNote));
        return;
    }
    showing_ = true;
    while (table_->rowCount() < row + int(cells.size()))
        table_->insertRow(table_->rowCount());
    completeRows();
    for (const QStringList& line : cells) {
        for (int at = 0; at < line.size() && std::size_t(at) < columns.size(); ++at)
            if (columns[std::size_t(at)] && *columns[std::size_t(at)] < typedColumns())
                table_->item(row, *columns[std::size_t(at)])->setText(line[at].trimmed());
        ++row;
    }
    showing_ = false;
    edited();
}

void MonthsWindow::deleteSelection()
{
    const int editable = typedColumns();
    showing_ = true;
    for (QTableWidgetItem* item : table_->selectedItems())
        if (item->column() < editable)
            item->setText(QString());
    showing_ = false;
    edited();
}

bool MonthsWindow::openFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages_.show(QStringLiteral("開けませんでした：%1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    try {
        const Sheet opened = readFile(path, file.readAll());
        showSheet(opened);
    } catch (const batch::BatchError& failure) {
        messages_.show(q(failure.message().japanese));
        return false;
    }
    if (shared_)
        edited(); // the customer of the file is the one the selection window shows now
    path_ = path;
    modified_ = false;
    setWindowModified(false);
    updateTitle();
    return true;
}

bool MonthsWindow::writeFile(const QString& path)
{
    const std::string text = std::string(batch::Bom) + sheetText(sheet(), result_);
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly)
        && file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.commit();
    if (!written) {
        messages_.show(QStringLiteral("保存できませんでした：%1").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    path_ = path;
    modified_ = false;
    setWindowModified(false);
    updateTitle();
    desktop_.tell(this, QStringLiteral("保存しました：%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool MonthsWindow::save()
{
    return path_.isEmpty() ? saveAs() : writeFile(path_);
}

bool MonthsWindow::saveAs()
{
    const QString proposed = path_.isEmpty()
        ? QDir(proposedFolder())
              .filePath(customer_->text().trimmed().isEmpty()
                      ? QStringLiteral("月別の力率.csv")
                      : customer_->text().trimmed() + QStringLiteral("_月別の力率.csv"))
        : path_;
    const QString path = desktop_.saveFileName(this, QStringLiteral("名前を付けて保存"), proposed, FileFilter);
    return !path.isEmpty() && writeFile(path);
}

QString MonthsWindow::proposedFolder() const
{
    if (!path_.isEmpty())
        return QFileInfo(path_).absolutePath();
    return forms::documentsFolder();
}

void MonthsWindow::updateTitle()
{
    setWindowTitle(q(WindowTitle) + (path_.isEmpty() ? QString() : QStringLiteral(" - ") + QFileInfo(path_).fileName())
        + QStringLiteral("[*]"));
}

MonthsReport MonthsWindow::currentReport() const
{
    return monthsReport(sheet(), result_, s(calculatedAt_.toString(QStringLiteral("yyyy年M月d日 H:mm"))));
}

void MonthsWindow::copy() const
{
    const MonthsReport report = currentReport();
    auto* data = new QMimeData;
    data->setText(q(plainText(report)));
    data->setHtml(q(html(report)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MonthsWindow::saveAsPdf()
{
    const MonthsReport report = currentReport();
    const QString name = path_.isEmpty() ? QStringLiteral("月別の力率.pdf")
                                         : QFileInfo(path_).completeBaseName() + QStringLiteral(".pdf");
    forms::saveAsPdf(desktop_, messages_, this, QDir(proposedFolder()).filePath(name),
        {q(report.title), QString::fromUtf8(program::ApplicationTitle), QPageLayout::Landscape},
        [&](QPaintDevice& writer) { paintMonthsPages(writer, report, result_); });
}

void MonthsWindow::print()
{
    const MonthsReport report = currentReport();
    forms::print(desktop_, messages_, this, [&](QPaintDevice& printer) { paintMonthsPages(printer, report, result_); });
}

void MonthsWindow::closeEvent(QCloseEvent* event)
{
    if (modified_) {
        switch (desktop_.askToSave(this, QStringLiteral("変更を保存しますか？"))) {
        case forms::SaveAnswer::Save:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case forms::SaveAnswer::Discard:
            break;
        case forms::SaveAnswer::Cancel:
            event->ignore();
            return;
        }
    }
    event->accept();
}

} // namespace kandelo::months
