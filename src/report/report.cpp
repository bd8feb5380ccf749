#include "report/report.h"

#include "report/html_text.h"

#include "pf/pf_calc.h"
#include "program/captions.h"
#include "program/version.h"
#include "sc/captions.h"

#include <string_view>

namespace kandelo::report {

namespace {

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

// A line of a label and its value, separated by a tab.
std::string itemLine(const Item& item)
{
    return item.label + '\t' + item.value + "\r\n";
}

// A row of a label and its value.
void appendItemRow(std::string& out, const Item& item)
{
    out += "<tr>";
    appendCell(out, "th", item.label);
    appendCell(out, "td", item.value);
    out += "</tr>";
}

} // namespace

Report buildReport(const PfScreenTexts& pf, const std::optional<ScScreenTexts>& sc, std::string calculatedAt)
{
    Report report;
    report.title = sc ? "力率と進相コンデンサ（SC）容量の計算" : "力率の計算";
    report.calculatedAt = std::move(calculatedAt);

    using program::labelOf;
    const auto label = [](std::string_view text) { return std::string(text); };
    Section inputs{"入力", {}, {{label(pf::KwhCaption), pf.kwh}, {label(pf::KvarhCaption), pf.kvarh}}, {}};
    if (sc) {
        inputs.items.push_back({labelOf(sc::HoursCaption), sc->hours});
        inputs.items.push_back({label(sc::TargetLabel), sc->target});
    }
    report.sections.push_back(std::move(inputs));

    Section powerFactor{"力率", {}, {{label(pf::PfLabel), pf.pf}, {label(pf::PhaseLabel), pf.phase}}, {}};
    if (pf.note)
        powerFactor.notes.push_back(*pf.note);
    report.sections.push_back(std::move(powerFactor));
    if (!sc)
        return report;

    report.sections.push_back({"平均電力", {},
        {{labelOf(sc->kwCaption), sc->kw}, {labelOf(sc->kvarCaption), sc->kvar}, {labelOf(sc->kvaCaption), sc->kva}},
        {}});
    report.sections.push_back({"進相コンデンサ（SC）容量", {sc->sentence},
        {{labelOf(sc->scCaption), sc->scKvar}, {label(sc::ReactorLabel), sc->reactor},
            {labelOf(sc->sc2Caption), sc->scKvar2}, {labelOf(sc->lCaption), sc->lKvar},
            {label(sc::ConnectionLabel), label(sc->withReactor ? sc::WithReactorText : sc::CapacitorAloneText)}},
        Table{sc->tableCaption, sc->tableHeadings, sc->rows}});
    report.sections.push_back({"力率改善のメリット", {},
        {{labelOf(sc->currentCaption), sc->current}, {labelOf(sc->basicCaption), sc->basic}}, {}});
    report.header = sc->header;
    if (sc->selection) {
        const TableRow frequencies{"", label(sc::CatalogueFrequencies[0]), label(sc::CatalogueFrequencies[1])};
        report.sections.push_back({label(sc::SelectionTitle), sc->selection->notes, sc->selection->given,
            Table{"", frequencies, sc->selection->rows, true}});
    }
    return report;
}

std::string plainText(const Report& report)
{
    std::string text = report.title + "\r\n";
    text += "計算日時\t" + report.calculatedAt + "\r\n";
    for (const Item& item : report.header)
        text += itemLine(item);
    for (const Section& section : report.sections) {
        text += "\r\n" + section.heading + "\r\n";
        for (const std::string& note : section.notes)
            text += note + "\r\n";
        for (const Item& item : section.items)
            text += itemLine(item);
        if (section.table) {
            if (!section.table->caption.empty())
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
    out += "<table>";
    appendItemRow(out, {"計算日時", report.calculatedAt});
    for (const Item& item : report.header)
        appendItemRow(out, item);
    out += "</table>";
    for (const Section& section : report.sections) {
        appendCell(out, "h2", section.heading);
        for (const std::string& note : section.notes)
            appendCell(out, "p", note);
        out += "<table>";
        for (const Item& item : section.items)
            appendItemRow(out, item);
        out += "</table>";
        if (section.table) {
            out += "<table>";
            if (!section.table->caption.empty())
                appendCell(out, "caption", section.table->caption);
            out += "<tr>";
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
    appendEscaped(out, program::ApplicationTitle);
    out += "</p></body></html>";
    return out;
}

} // namespace kandelo::report
