#include "report/report.h"

#include "app/version.h"

#include <string_view>

namespace kandelo::report {

namespace {

// A caption without the full-width colon that leads to its value on screen.
std::string captionOf(std::string caption)
{
    constexpr std::string_view Colon = "：";
    while (!caption.empty() && caption.back() == ' ')
        caption.pop_back();
    if (caption.size() >= Colon.size() && caption.compare(caption.size() - Colon.size(), Colon.size(), Colon) == 0)
        caption.erase(caption.size() - Colon.size());
    const auto first = caption.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : caption.substr(first);
}

void appendEscaped(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

void appendCell(std::string& out, std::string_view tag, std::string_view text)
{
    out += '<';
    out += tag;
    out += '>';
    appendEscaped(out, text);
    out += "</";
    out += tag;
    out += '>';
}

} // namespace

Report buildReport(const PfScreenTexts& pf, const std::optional<ScScreenTexts>& sc, std::string calculatedAt)
{
    Report report;
    report.title = sc ? "力率と進相コンデンサ（SC）容量の計算" : "力率の計算";
    report.calculatedAt = std::move(calculatedAt);

    Section inputs{"入力", {}, {{"有効電力量kWh", pf.kwh}, {"無効電力量kvarh", pf.kvarh}}, {}};
    if (sc) {
        inputs.items.push_back({"積算時間（H）", sc->hours});
        inputs.items.push_back({"目標力率（％）", sc->target});
    }
    report.sections.push_back(std::move(inputs));

    Section powerFactor{"力率", {}, {{"力率（％）", pf.pf}, {"遅れ・進み", pf.phase}}, {}};
    if (pf.note)
        powerFactor.notes.push_back(*pf.note);
    report.sections.push_back(std::move(powerFactor));
    if (!sc)
        return report;

    report.sections.push_back({"平均電力", {},
        {{captionOf(sc->kwCaption), sc->kw}, {captionOf(sc->kvarCaption), sc->kvar},
            {captionOf(sc->kvaCaption), sc->kva}},
        {}});
    report.sections.push_back({"進相コンデンサ（SC）容量", {sc->sentence},
        {{captionOf(sc->scCaption), sc->scKvar}, {"直列リアクトル", sc->reactor},
            {captionOf(sc->sc2Caption), sc->scKvar2}, {captionOf(sc->lCaption), sc->lKvar},
            {"静電容量の計算", sc->withReactor ? "直列リアクトル付き" : "コンデンサ単体"}},
        Table{sc->tableCaption, sc->tableHeadings, sc->rows}});
    report.sections.push_back({"力率改善のメリット", {},
        {{captionOf(sc->currentCaption), sc->current}, {captionOf(sc->basicCaption), sc->basic}}, {}});
    return report;
}

std::string plainText(const Report& report)
{
    std::string text = report.title + "\r\n";
    text += "計算日時\t" + report.calculatedAt + "\r\n";
    for (const Section& section : report.sections) {
        text += "\r\n" + section.heading + "\r\n";
        for (const std::string& note : section.notes)
            text += note + "\r\n";
        for (const Item& item : section.items)
            text += item.label + '\t' + item.value + "\r\n";
        if (section.table) {
            text += section.table->caption + "\r\n";
            const auto row = [&text](const TableRow& cells) {
                text += cells[0] + '\t' + cells[1] + '\t' + cells[2] + "\r\n";
            };
            row(section.table->headings);
            for (const TableRow& cells : section.table->rows)
                row(cells);
        }
    }
    return text;
}

std::string html(const Report& report)
{
    std::string out = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>";
    appendEscaped(out, report.title);
    out += "</title></head><body>";
    appendCell(out, "h1", report.title);
    out += "<table><tr>";
    appendCell(out, "th", "計算日時");
    appendCell(out, "td", report.calculatedAt);
    out += "</tr></table>";
    for (const Section& section : report.sections) {
        appendCell(out, "h2", section.heading);
        for (const std::string& note : section.notes)
            appendCell(out, "p", note);
        out += "<table>";
        for (const Item& item : section.items) {
            out += "<tr>";
            appendCell(out, "th", item.label);
            appendCell(out, "td", item.value);
            out += "</tr>";
        }
        out += "</table>";
        if (section.table) {
            out += "<table><caption>";
            appendEscaped(out, section.table->caption);
            out += "</caption><tr>";
            for (const std::string& heading : section.table->headings)
                appendCell(out, "th", heading);
            out += "</tr>";
            for (const TableRow& cells : section.table->rows) {
                out += "<tr>";
                for (const std::string& cell : cells)
                    appendCell(out, "td", cell);
                out += "</tr>";
            }
            out += "</table>";
        }
    }
    out += "<p>";
    appendEscaped(out, app::ApplicationTitle);
    out += "</p></body></html>";
    return out;
}

} // namespace kandelo::report
