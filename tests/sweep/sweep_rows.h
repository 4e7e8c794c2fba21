#pragma once
// The rows the window sweep combines: calculation functions, media with their phase letters,
// primary devices, solve-for codes, report sizes, languages, and what is typed into the
// questionnaire. A new function, medium or device is one more row here.
#include <string>

#include "ui/form1.h"

namespace tubalyx::sweep {

// A calculation function as the user picks it: its keyword, the valve kind and the flag that
// tells whether the flow (else the valve's size) is given.
struct FunctionRow {
    const char* name;
    const char* calcFunction;
    const char* valveSubtype;
    const char* maxFlowGiven;
    bool device;  // the primary-device page: its devices and solve-for codes are swept too
};

// clang-format off
inline const FunctionRow kFunctions[] = {
    {"thermodynamics", "Termo", "", "N", false},
    {"primary device", "Strypf", "", "N", true},
    {"primary device, flow adjusted", "Strypf", "", "J", true},
    {"line pressure loss", "Tryckf", "", "N", false},
    {"line flow", "Flow", "", "N", false},
    {"valve", "Ventil", "VE", "N", false},
    {"valve, flow given", "Ventil", "VE", "J", false},
    {"restriction orifice", "Ventil", "RO", "N", false},
    {"restriction orifice, flow given", "Ventil", "RO", "J", false},
    {"unit conversion", "Sorter", "", "N", false},
};
// clang-format on

// Every medium keyword of the medium menus (and the other tabulated gases); each is swept
// with every phase letter.
// clang-format off
inline const char* const kMedia[] = {
    "GAS", "IGAS", "G",  "VÄT", "LUF", "VAT", "ANG", "MNG", "AR",   "CH4",   "CO",    "CO2", "C3H8",
    "C3H8V", "H2", "NGAS", "N2", "NH3", "O2", "O3", "OLJA", "C2H6", "C4H10", "C5H12", "He",
};
// clang-format on
inline const char kPhases[] = {'N', 'G', 'V', 'H', 'X'};

struct DeviceRow {
    const char* device;
    const char* variant;
};
// clang-format off
inline const DeviceRow kDevices[] = {
    {"S", "R"}, {"S", "F"},  {"S", "D"},  {"D", ""},     {"DL", ""},         {"KV", ""},
    {"SM", ""}, {"VK", ""},  {"V", "SV"}, {"V", "BG"},   {"V", "OG"},        {"VCONE", ""},
    {"VCONEWAFER", ""},     {"VOLYM", ""},
};
// clang-format on
inline const char* const kSolveFor[] = {"DI", "DP", "FL", "TF", "OK"};
inline const char kStandards[] = {'3', 'I', 'D'};
inline const char kLanguages[] = {'S', 'D', 'E'};
inline const char kSeparators[] = {'.', ','};
inline const char* const kHumidityKinds[] = {"R", "A", "S", "D"};

// What a run types over the start values: into one edit or into every number edit.
inline const char* const kExtremes[] = {"0", "-7", "1e300", "-1e300", "ab12", ""};

// An edit of the questionnaire and the text it starts with, written with '.' (typed with the
// platform's separator). Units hold a unit keyword, which the extremes leave alone.
struct EditRow {
    TEdit TForm1::*edit;
    const char* start;
    bool unit = false;
};

// clang-format off
inline const EditRow kEdits[] = {
    {&TForm1::abstryckantal, "500"},        {&TForm1::abstryckmaxantal, "600"},
    {&TForm1::abstrycksort, "kPa", true},   {&TForm1::temp, "20"},
    {&TForm1::tempmin, "10"},               {&TForm1::Dstorkallmm, "100"},
    {&TForm1::Dstorrahetmm, "0.05"},        {&TForm1::dkallmm, "50"},
    {&TForm1::hkallmm, "20"},               {&TForm1::difftryckmaxantal, "25"},
    {&TForm1::difftryckmaxsort, "kPa", true}, {&TForm1::maxflowantal, "10000"},
    {&TForm1::maxflowsort, "kg/h", true},   {&TForm1::minflowantal, "3000"},
    {&TForm1::minflowsort, "kg/h", true},   {&TForm1::maxflownormaldens, "1.293"},
    {&TForm1::tryckforlmaxantal, "10"},     {&TForm1::tryckforlmaxsort, "kPa", true},
    {&TForm1::Cf, "0.8"},                   {&TForm1::kaltemp, "20"},
    {&TForm1::kalminreyn, "8000"},          {&TForm1::kalmaxreyn, "1000000"},
    {&TForm1::utvfl, "16"},                 {&TForm1::utvflb, "0.004"},
    {&TForm1::utvror, "12"},                {&TForm1::utvrorb, "0.004"},
    {&TForm1::givenrakin, "10"},            {&TForm1::givenrakut, "5"},
    {&TForm1::kantradie, "0"},              {&TForm1::hojd, "2"},
    {&TForm1::matstrack, "100"},            {&TForm1::Dstormingrmm, "50"},
    {&TForm1::Dstormaxgrmm, "200"},         {&TForm1::matvikt, "0.5"},
    {&TForm1::p1vikt, "0.5"},               {&TForm1::okfelbidrag, "0"},
    {&TForm1::plattjock, "3"},              {&TForm1::difftryckmaxmaxgrantal, "50"},
    {&TForm1::difftryckmaxmaxgrsort, "kPa", true}, {&TForm1::difftryckmaxmingrantal, "2"},
    {&TForm1::difftryckmaxmingrsort, "kPa", true}, {&TForm1::primelement, "135", true},
    {&TForm1::molekylviktvG, "28.96"},      {&TForm1::relabsspecfukt, "50"},
    {&TForm1::Ventilkallmm, "80"},          {&TForm1::fl, "0.9"},
    {&TForm1::angtryckantal, "2"},          {&TForm1::angtrycksort, "kPa", true},
    {&TForm1::krittryckantal, "22000"},     {&TForm1::krittrycksort, "kPa", true},
    {&TForm1::rbg, "1000"},                 {&TForm1::qbg, "1"},
    {&TForm1::qbgsort, "cP", true},         {&TForm1::q40bg, "46"},
    {&TForm1::q100bg, "7"},                 {&TForm1::q40bgsort, "cSt", true},
    {&TForm1::cpbg, "1005"},                {&TForm1::cvbg, "718"},
    {&TForm1::krittempbg, "132.5"},         {&TForm1::molekylviktbg, "28.96"},
    {&TForm1::entalpibg, "0"},              {&TForm1::Z1bg, "1"},
    {&TForm1::Znbg, "1"},
};
// clang-format on

// The edits that every run reads as numbers, whatever the function and medium: a text that is
// no number in one of them ends the run with the input-error line. (The lower pressure is one
// too, but the window writes it itself for an oil and for a saturated phase.)
// clang-format off
inline TEdit TForm1::* const kNumberEdits[] = {
    &TForm1::Cf,           &TForm1::kaltemp,      &TForm1::kalminreyn,   &TForm1::kalmaxreyn,
    &TForm1::utvror,       &TForm1::utvrorb,      &TForm1::utvfl,        &TForm1::utvflb,
    &TForm1::givenrakin,   &TForm1::givenrakut,   &TForm1::Dstorrahetmm, &TForm1::kantradie,
    &TForm1::hojd,         &TForm1::Dstormingrmm, &TForm1::Dstormaxgrmm, &TForm1::matstrack,
    &TForm1::matvikt,      &TForm1::p1vikt,       &TForm1::okfelbidrag,  &TForm1::plattjock,
    &TForm1::Dstorkallmm,  &TForm1::Ventilkallmm, &TForm1::temp,         &TForm1::tempmin,
    &TForm1::dkallmm,      &TForm1::tryckforlmaxantal, &TForm1::abstryckmaxantal,
    &TForm1::difftryckmaxantal, &TForm1::maxflowantal, &TForm1::maxflownormaldens,
    &TForm1::difftryckmaxmaxgrantal, &TForm1::difftryckmaxmingrantal,
};
// clang-format on

}  // namespace tubalyx::sweep
