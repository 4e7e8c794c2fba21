#include "texts/composition_help.h"
#include "state/keywords.h"

namespace tubalyx {

namespace {

// One line of the help in Swedish (both media) and in English for natural gas and for a gas
// mixture; nullptr where a version has no such line.
struct HelpLine {
    const char* swedish;
    const char* naturalGas;
    const char* gasMixture;
};

const HelpLine kHelpLines[] = {
    {"Detta är en matris för termodynamiska beräkningar på Naturgas eller gasblandning",
     "This is a spreadsheet for Physical calculations of Natural gas",
     "This is a spreadsheet for approximate Physical calculations of Gasmixtures"},
    {"Beräkningarna görs på en förenklad \"skrivbordsgas\" som sedan",
     "The calculations are done on a simplified \"desk gas\" which is",
     "The calculations are done on a simplified \"desk gas\" which is"},
    {"justeras till den verkliga gasen m h a den verkliga gasens genomsnittliga molekylvikt",
     "adjusted to the real gas via the mean molecular wheight of the real gas",
     "adjusted to the real gas via the average molecular wheight of the real gas"},
    {"Bara % av de viktigaste gaserna behöver anges.", "Only %-shares of the most important gases has to be specified.",
     "Only %-shares of the most important gases has to be specified."},
    {"Vid Click på Media justeras % satserna så att summan alltid blir 100 %.",
     "Click on media adjustes the %-shares incl humidity to a total of 100%.",
     "Click on media adjustes the %-shares incl humidity to a total of 100%."},
    {"För naturgas: Betrakta alla kolväten=propan eller tyngre som propan.",
     "For natural gas %-shares of propan or heavier carbonhydrogenes are summarized in one cell.",
     "For natural gas %-shares of propan or heavier carbonhydrogenes are summarized in one cell."},
    {"(=summan av alla %-satser för propan eller tyngre)", nullptr, nullptr},
    {"Du kan mata in data i valfri kolumn", "Put in data in suitable column.", "Put in data in suitable column."},
    {"Övriga data beräknas sedan automatiskt", "Other data will be automatical calculated",
     "Other data will be automatical calculated"},
    {"På detta sätt får Du förhållandet mellan Mol %, volym % och Vikt %",
     "This way You can study the relation between Molar %, volume % and Mass %",
     "This way You can study the relation between Molar %, volume % and Mass %"},
    {"Detta är tänkt att användas om man t ex har volym % vid drift",
     "Example; This is to be used when You have volume shares at operating conditions",
     "Example; This is to be used when You have volume shares at operating conditions"},
    {"och vill veta vad detta motsvara för Mol %, t ex för en kemisk process",
     "and want to know the molar %, for a chemical process", "and want to know the molar %, for a chemical process"},
    {"Alla ingående gasers densitet beräknas från gastabeller",
     "All the gascomponents densities are calculated from tables",
     "All the gascomponents densities are calculated from tables"},
    {"förutom C2H6 och C3H8, som betraktas som ideala gaser",
     "except C2H6 and C3H8, which are calculated as ideal gases",
     "except C2H6 and C3H8, which are calculated as ideal gases"},
    {"Densiteten för Naturgasen beräknas från en formel som tar hänsyn till",
     "The density for Natural gas is calculated from an algorithm which",
     "The density for the gas mixture is calculated as an addition of "},
    {"att gaserna påverkar varandra (VDI/VDE 2040 Blatt 2). Osäkerhet c:a 1%",
     "includes interaction between different gases (VDI/VDE 2040 Blatt 2). Uncertainty<1%",
     "the gas components densities at actual partial pressure."},
    {nullptr, nullptr, "Nothing can be said about the accuracy."},
    {"Om du clickar på \"Media\" göres beräkningarna inkl fukt",
     "If You click on \"Media\" the calculations will be done incl humidity",
     "If You click on \"Media\" the calculations will be done incl humidity"},
    {"I detta läge kan inga inmatningar göras", "In this mode no input can be changed",
     "In this mode no input can be changed"},
};

}  // namespace

std::vector<std::string> CompositionHelpText(char language, bool naturalGas) {
    std::vector<std::string> lines;
    for (const HelpLine& l : kHelpLines) {
        const char* text = language == kLanguageSwedish ? l.swedish : naturalGas ? l.naturalGas : l.gasMixture;
        if (text) lines.emplace_back(text);
    }
    return lines;
}

}  // namespace tubalyx
