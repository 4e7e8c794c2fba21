#pragma once
// For the files of src/state/ only. Each group's .cpp lists its variables once, with their
// start values; the list both defines them and puts them back, so the state at program start
// and the state after ResetStateVariables cannot drift apart.
//
//     #define TUBALYX_GROUP(X) X(Name, start value) ...
//     TUBALYX_GROUP(TUBALYX_STATE_DEFINE)
//     void ResetGroup() { TUBALYX_GROUP(TUBALYX_STATE_RESET) }
#define TUBALYX_STATE_DEFINE(name, ...) decltype(name) name = __VA_ARGS__;
#define TUBALYX_STATE_RESET(name, ...) name = __VA_ARGS__;
#define TUBALYX_STATE_WRITE(name, ...) ::tubalyx::state_detail::AppendBytes(out, name);

#include <iterator>
#include <string>
#include <type_traits>

namespace tubalyx::state_detail {

// A variable's bytes, a text's and a container's with their sizes. A record of texts has its own
// AppendBytes beside it.
template <class T>
void AppendBytes(std::string& out, const T& value) {
    if constexpr (std::is_trivially_copyable_v<T>) {
        out.append(reinterpret_cast<const char*>(&value), sizeof value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        AppendBytes(out, value.size());
        out += value;
    } else if constexpr (requires {
                             value.has_value();
                             *value;
                         }) {
        AppendBytes(out, value.has_value());
        if (value) AppendBytes(out, *value);
    } else {
        AppendBytes(out, std::size(value));
        for (const auto& element : value) AppendBytes(out, element);
    }
}

// One per group, called by ResetStateVariables.
void ResetSelections();
void ResetInputs();
void ResetMedium();
void ResetComposition();
void ResetGeometry();
void ResetFlowResults();
void ResetCorrections();
void ResetLimits();
void ResetWindowState();
void ResetPropertyLabels();
void ResetValveState();
void ResetResistanceGrid();
void ResetReportState();
void ResetPressureLossState();
void ResetViewState();
void ResetMenuState();
void ResetCompensationTableState();
void ResetUncertaintyState();

// The bytes of a group, called by LineWalkStateBytes.
void WriteSelections(std::string& out);
void WriteInputs(std::string& out);
void WriteMedium(std::string& out);
void WriteComposition(std::string& out);
void WriteGeometry(std::string& out);
void WriteFlowResults(std::string& out);
void WriteCorrections(std::string& out);
void WriteLimits(std::string& out);
void WritePropertyLabels(std::string& out);
void WriteValveState(std::string& out);
void WriteResistanceGrid(std::string& out);
void WritePressureLossState(std::string& out);

}  // namespace tubalyx::state_detail
