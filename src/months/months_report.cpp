#include "months/months_report.h"

#include "months/sheet.h"
#include "report/html_text.h"

#include <algorithm>

namespace kandelo::months {

namespace {

std::string escaped(std::string_view text)
{
    std::string out;
    report::appendEscaped(out, text);
    return out;
}

void appendLine(std::string& out, const std::vector<std::string>& cells)
{
    for (std::size_t at = 0; at < cells.size(); ++at) {
        if (at > 0)
            out += '\t';
        out += cells[at];
    }
    out += "\r\n";
}

void appendHtmlRows(std::string& out, const std::vector<PlanItem>& items)
{
    out += "<table>";
    for (const PlanItem& item : items)
        out += "<tr><th align=\"left\">" + escaped(item.caption) + "</th><td align=\"right\">" + escaped(item.value)
            + "</td></tr>";
    out += "</table>";
}

} // namespace

MonthsReport monthsReport(const Sheet& sheet, const MonthsResult& result, std::string calculatedAt)
{
    MonthsReport report;
    report.title = std::string(WindowTitle);
    report.calculatedAt = std::move(calculatedAt);
    // The columns typed into in some month, in the sheet's order.
    std::vector<std::size_t> typed;
    for (std::size_t column = 0; column < sheet.headings.size(); ++column)
        if (std::any_of(sheet.rows.begin(), sheet.rows.end(),
                [column](const std::vector<std::string>& row) { return column < row.size() && !row[column].empty(); }))
            typed.push_back(column);
    for (const std::size_t column : typed)
        report.headings.push_back(sheet.headings[column]);
    report.headings.insert(report.headings.end(), ComputedHeadings.begin(), ComputedHeadings.end());
    report.headings.emplace_back(BasicChargeHeading);
    for (std::size_t at = 0; at < sheet.rows.size() && at < result.rows.size(); ++at) {
        const MonthResult& month = result.rows[at];
        if (month.kind == MonthResult::Kind::Empty)
            continue;
        std::vector<std::string> row;
        for (const std::size_t column : typed)
            row.push_back(column < sheet.rows[at].size() ? sheet.rows[at][column] : std::string());
        row.insert(row.end(), month.cells.begin(), month.cells.end());
        row.push_back(month.basicCharge);
        report.rows.push_back(std::move(row));
    }
    report.settings = settingItems(sheet);
    report.plan = result.items;
    report.notes = result.notes;
    return report;
}

std::string plainText(const MonthsReport& report)
{
    std::string out;
    appendLine(out, {report.title, report.calculatedAt});
    for (const PlanItem& item : report.settings)
        appendLine(out, {item.caption, item.value});
    out += "\r\n";
    appendLine(out, report.headings);
    for (const std::vector<std::string>& row : report.rows)
        appendLine(out, row);
    out += "\r\n";
    for (const PlanItem& item : report.plan)
        appendLine(out, {item.caption, item.value});
    for (const std::string& note : report.notes)
        appendLine(out, {std::string(PlanNoteCaption), note});
    return out;
}

std::string html(const MonthsReport& report)
{
    std::string out = "<h2>" + escaped(report.title) + "</h2><p>" + escaped(report.calculatedAt) + "</p>";
    appendHtmlRows(out, report.settings);
    out += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>";
    for (const std::string& heading : report.headings)
        out += "<th>" + escaped(heading) + "</th>";
    out += "</tr>";
    for (const std::vector<std::string>& row : report.rows) {
        out += "<tr>";
        for (std::size_t at = 0; at < row.size(); ++at)
            out += (at == 0 ? "<td>" : "<td align=\"right\">") + escaped(row[at]) + "</td>";
        out += "</tr>";
    }
    out += "</table>";
    appendHtmlRows(out, report.plan);
    for (const std::string& note : report.notes)
        out += "<p>" + escaped(note) + "</p>";
    return out;
}

} // namespace kandelo::months
