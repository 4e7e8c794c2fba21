#pragma once
// Gives every report label string of the language texts a text made from its name, so a
// test sees which label a line used, and puts the real texts back at the end of the scope.
// ApplyLanguage writes the real texts again.
#include <map>
#include <string>

#include "texts/caption_data.h"

namespace tubalyx::flowtest {

class FakeReportLabels {
public:
    using Maker = std::string (*)(const std::string& name);
    explicit FakeReportLabels(Maker fake) {
        for (const ReportLabelEntry& e : ReportLabelTable) {
            if (saved_.count(e.label)) continue;  // a label with a wide and a narrow entry
            saved_.emplace(e.label, *e.label);
            *e.label = fake(e.name);
        }
    }
    ~FakeReportLabels() {
        for (const auto& [label, text] : saved_) *label = text;
    }
    FakeReportLabels(const FakeReportLabels&) = delete;
    FakeReportLabels& operator=(const FakeReportLabels&) = delete;

private:
    std::map<std::string*, std::string> saved_;
};

}  // namespace tubalyx::flowtest
