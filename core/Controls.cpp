// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include "NumberText.h"

namespace ravo {

std::string Effect::value() const {
    return word.empty() ? numberText(number) : std::string(word);
}

namespace {

using K = ControlKind;
using F = FontRole;
using T = TextBoxRole;
using C = ColourRole;
using E = Effect::Kind;
using S = Setting;

constexpr Effect write(Setting setting, std::string_view word) {
    return {E::Write, setting, word, 0};
}
constexpr Effect act(E kind, Setting setting = S::nStart) {
    return {kind, setting, {}, 0};
}
constexpr Effect writeNumber(Setting setting, double number) {
    return {E::Write, setting, {}, number};
}

// clang-format off
const ControlEntry entries[] = {
// name, kind, container, caption, geometry (px), tab, shown, font, text box, colour, effect
{"labTitul",             K::Label,        nullptr,          {"Ravo"},                                                   {456, 0, 49, 25},    0,  true,  F::Title},
{"cmdStart",             K::PushButton,   nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Start")},                     {552, 8, 65, 25},    1,  true,  F::Button,      T::None,     C::Ground,     act(E::Start)},
{"cmdKonec",             K::PushButton,   nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Exit")},                      {624, 8, 65, 25},    18, true,  F::Button,      T::None,     C::Ground,     act(E::Exit)},
{"HScroll1",             K::ScrollBar,    nullptr,          {""},                                                       {416, 24, 121, 17},  43, true,  F::Default,     T::None,     C::Ground,     act(E::WriteScroll, S::nSpomaleni)},
{"labKlepnete",          K::Label,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Please press button Start")}, {336, 240, 233, 25}, 19, true,  F::Title},
{"frmPoloměrLupy",       K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Radius of lens")},            {56, 8, 89, 73},     2,  true},
{"frmKmitočet",          K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Frequency - colour")},        {152, 8, 113, 73},   20, true},
{"frmIndex",             K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Refractive index")},          {152, 88, 113, 89},  7,  true},
{"frmZobrazení",         K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Mapping")},                   {272, 24, 65, 57},   26, true},
{"frmClona",             K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Aperture")},                  {272, 88, 73, 81},   33, true},
{"frmPůlLupy",           K::Frame,        nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Half lens")},                 {344, 24, 57, 57},   12, true},
{"frmAnimace",           K::Frame,        nullptr,          {"Animace"},                                                {120, 232, 81, 73},  39, false},
{"nKmitočet",            K::TextBox,      nullptr,          {"Kmitočet"},                                               {224, 24, 33, 19},   23, true,  F::Default,     T::Editable, C::White,      act(E::Write, S::nKmitočet)},
{"nDisperze",            K::TextBox,      nullptr,          {"Disperze"},                                               {232, 152, 25, 19},  30, true,  F::DefaultBold, T::Display},
{"nPravděpodobnost",     K::TextBox,      nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Probability")},               {120, 184, 97, 25},  16, false, F::Caption,     T::Caption},
{"nSoučetRadiusvektorů", K::TextBox,      nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Cornu spirals - Vector sum")},{144, 376, 201, 25}, 17, false, F::Caption,     T::Caption},
{"nClonaOtvor",          K::TextBox,      nullptr,          {QT_TRANSLATE_NOOP("ControlTable", "Screen")},                    {64, 520, 57, 25},   37, false, F::Caption,     T::Caption},
{"nPoloměr",             K::TextBox,      nullptr,          {"Text1"},                                                  {8, 40, 33, 19},     6,  false, F::Default,     T::Hidden},
{"nIndex",               K::TextBox,      nullptr,          {"Index"},                                                  {112, 120, 41, 19},  11, false, F::Default,     T::Hidden},
{"nPůlLupy",             K::TextBox,      nullptr,          {"PůlLupy"},                                                {368, 72, 33, 19},   15, false, F::Default,     T::Hidden},
{"nStart",               K::TextBox,      nullptr,          {"Text1"},                                                  {560, 24, 41, 19},   24, false, F::Default,     T::Hidden},
{"nZobrazení",           K::TextBox,      nullptr,          {"Zobrazení"},                                              {280, 72, 41, 19},   29, false, F::Default,     T::Hidden},
{"nClona",               K::TextBox,      nullptr,          {"Clona"},                                                  {360, 136, 33, 19},  32, false, F::Default,     T::Hidden},
{"nSpomaleni",           K::TextBox,      nullptr,          {"Spomaleni"},                                              {392, 0, 49, 19},    38, false, F::Default,     T::Hidden},

{"opVelký",              K::OptionButton, "frmPoloměrLupy", QT_TRANSLATE_NOOP3("ControlTable", "Great", "radius of the lens"),                       {8, 16, 73, 17}, 3,  true, F::Default, T::None, C::Ground,     write(S::nPoloměr, "500")},
{"opStřední",            K::OptionButton, "frmPoloměrLupy", QT_TRANSLATE_NOOP3("ControlTable", "Middle", "radius of the lens"),                      {8, 32, 65, 17}, 4,  true, F::Default, T::None, C::Ground,     write(S::nPoloměr, "450")},
{"opMalý",               K::OptionButton, "frmPoloměrLupy", QT_TRANSLATE_NOOP3("ControlTable", "Small", "radius of the lens"),                       {8, 48, 65, 17}, 5,  true, F::Default, T::None, C::Ground,     write(S::nPoloměr, "400")},
{"opČervený",            K::OptionButton, "frmKmitočet",    {QT_TRANSLATE_NOOP("ControlTable", "Red")},                                              {8, 16, 65, 17}, 21, true, F::Default, T::None, C::RedLight,   writeNumber(S::nKmitočet, 0.5)},
{"OpZelená",             K::OptionButton, "frmKmitočet",    {QT_TRANSLATE_NOOP("ControlTable", "Green")},                                            {8, 32, 65, 17}, 25, true, F::Default, T::None, C::GreenLight, writeNumber(S::nKmitočet, 0.75)},
{"opModrý",              K::OptionButton, "frmKmitočet",    {QT_TRANSLATE_NOOP("ControlTable", "Blue")},                                             {8, 48, 57, 17}, 22, true, F::Default, T::None, C::BlueLight,  write(S::nKmitočet, "1")},
{"opIndexVelký",         K::OptionButton, "frmIndex",       QT_TRANSLATE_NOOP3("ControlTable", "Great", "refractive index"),                         {8, 16, 57, 17}, 8,  true, F::Default, T::None, C::Ground,     write(S::nIndex, "1")},
{"opIndexStřední",       K::OptionButton, "frmIndex",       QT_TRANSLATE_NOOP3("ControlTable", "Middle", "refractive index"),                        {8, 32, 57, 17}, 9,  true, F::Default, T::None, C::Ground,     writeNumber(S::nIndex, 0.98)},
{"opIndexMalý",          K::OptionButton, "frmIndex",       QT_TRANSLATE_NOOP3("ControlTable", "Small", "refractive index"),                         {8, 48, 57, 13}, 10, true, F::Default, T::None, C::Ground,     writeNumber(S::nIndex, 0.96)},
{"chDisperze",           K::CheckBox,     "frmIndex",       {QT_TRANSLATE_NOOP("ControlTable", "Dispercion")},                                       {8, 64, 81, 13}, 31, true, F::Default, T::None, C::Ground,     act(E::FlipDispersion, S::nDisperze)},
{"opBody",               K::OptionButton, "frmZobrazení",   {QT_TRANSLATE_NOOP("ControlTable", "Dots")},                                             {8, 16, 49, 17}, 27, true, F::Default, T::None, C::Ground,     write(S::nZobrazení, words::dots)},
{"opPruhy",              K::OptionButton, "frmZobrazení",   {QT_TRANSLATE_NOOP("ControlTable", "Bars")},                                             {8, 32, 49, 17}, 28, true, F::Default, T::None, C::Ground,     write(S::nZobrazení, words::bars)},
{"opClonaŠiroká",        K::OptionButton, "frmClona",       QT_TRANSLATE_NOOP3("ControlTable", "Great", "aperture: wide open"),                      {8, 16, 57, 17}, 34, true, F::Default, T::None, C::Ground,     write(S::nClona, "0")},
{"opClonaUy39",          K::OptionButton, "frmClona",       QT_TRANSLATE_NOOP3("ControlTable", "Middle", "aperture: half open"),                     {8, 38, 57, 13}, 36, true, F::Default, T::None, C::Ground,     write(S::nClona, "50")},
{"opClonaUzka",          K::OptionButton, "frmClona",       QT_TRANSLATE_NOOP3("ControlTable", "Small", "aperture: narrow"),                         {8, 56, 49, 17}, 35, true, F::Default, T::None, C::Ground,     write(S::nClona, "100")},
{"opPůlNe",              K::OptionButton, "frmPůlLupy",     QT_TRANSLATE_NOOP3("ControlTable", "No", "half lens: no, the whole lens is open"),       {8, 16, 41, 17}, 13, true, F::Default, T::None, C::Ground,     write(S::nPůlLupy, "80")},
{"opPůlAno",             K::OptionButton, "frmPůlLupy",     QT_TRANSLATE_NOOP3("ControlTable", "Yes", "half lens: yes, only the upper half is open"), {8, 32, 41, 17}, 14, true, F::Default, T::None, C::Ground,     write(S::nPůlLupy, "40")},
{"opRychlá",             K::OptionButton, "frmAnimace",     {"Rychlá"},                                                                              {8, 16, 57, 17}, 40, true, F::Default, T::None, C::Ground,     write(S::nSpomaleni, "1")},
{"opPomalejší",          K::OptionButton, "frmAnimace",     {"Pomalejší"},                                                                           {8, 32, 65, 13}, 41, true, F::Default, T::None, C::Ground,     write(S::nSpomaleni, "5000")},
{"opPomalá",             K::OptionButton, "frmAnimace",     {"Pomalá"},                                                                              {8, 48, 57, 17}, 42, true, F::Default, T::None, C::Ground,     write(S::nSpomaleni, "10000")},
};
// clang-format on

const StartStep start[] = {
    {"opVelký", S::nStart, {}},
    {"opIndexStřední", S::nStart, {}},
    {"opPůlNe", S::nStart, {}},
    {"opModrý", S::nStart, {}},
    {nullptr, S::nStart, "1"},
    {"opBody", S::nStart, {}},
    {nullptr, S::nDisperze, words::yes},
    {nullptr, S::nClona, "0"},
    {"opClonaŠiroká", S::nStart, {}},
    {nullptr, S::nSpomaleni, "1"},
    {"opRychlá", S::nStart, {}},
};

} // namespace

std::span<const ControlEntry> controlTable() {
    return entries;
}

const ControlEntry* findControl(std::string_view name) {
    for (const ControlEntry& entry : entries)
        if (name == entry.name)
            return &entry;
    return nullptr;
}

Rect onWindow(const ControlEntry& entry) {
    Rect at = entry.geometry;
    if (entry.container)
        if (const ControlEntry* frame = findControl(entry.container)) {
            at.x += frame->geometry.x;
            at.y += frame->geometry.y;
        }
    return at;
}

std::span<const StartStep> startUp() {
    return start;
}

} // namespace ravo
