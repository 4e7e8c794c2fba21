#include "texts/composition_help.h"

#include "texts/page_texts.h"

namespace tubalyx {

namespace {

// The lines of the help for natural gas and for a gas mixture; an empty text is a line that
// version does not have.
const LangText* const kNaturalGasHelp[] = {
    &page_text::NaturalGasHelp1,  &page_text::NaturalGasHelp2,  &page_text::NaturalGasHelp3,
    &page_text::NaturalGasHelp4,  &page_text::NaturalGasHelp5,  &page_text::NaturalGasHelp6,
    &page_text::NaturalGasHelp7,  &page_text::NaturalGasHelp8,  &page_text::NaturalGasHelp9,
    &page_text::NaturalGasHelp10, &page_text::NaturalGasHelp11, &page_text::NaturalGasHelp12,
    &page_text::NaturalGasHelp13, &page_text::NaturalGasHelp14, &page_text::NaturalGasHelp15,
    &page_text::NaturalGasHelp16, &page_text::NaturalGasHelp17, &page_text::NaturalGasHelp18,
    &page_text::NaturalGasHelp19,
};
const LangText* const kGasMixtureHelp[] = {
    &page_text::GasMixtureHelp1,  &page_text::GasMixtureHelp2,  &page_text::GasMixtureHelp3,
    &page_text::GasMixtureHelp4,  &page_text::GasMixtureHelp5,  &page_text::GasMixtureHelp6,
    &page_text::GasMixtureHelp7,  &page_text::GasMixtureHelp8,  &page_text::GasMixtureHelp9,
    &page_text::GasMixtureHelp10, &page_text::GasMixtureHelp11, &page_text::GasMixtureHelp12,
    &page_text::GasMixtureHelp13, &page_text::GasMixtureHelp14, &page_text::GasMixtureHelp15,
    &page_text::GasMixtureHelp16, &page_text::GasMixtureHelp17, &page_text::GasMixtureHelp18,
    &page_text::GasMixtureHelp19,
};

}  // namespace

std::vector<std::string> CompositionHelpText(char language, bool naturalGas) {
    std::vector<std::string> lines;
    for (const LangText* l : naturalGas ? kNaturalGasHelp : kGasMixtureHelp) {
        const char* text = language == 'S' ? l->sv : l->en;
        if (*text) lines.emplace_back(text);
    }
    return lines;
}

}  // namespace tubalyx
