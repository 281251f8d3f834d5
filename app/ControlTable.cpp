// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlTable.h"

namespace ravo {

namespace {

using K = ControlKind;
using F = FontRole;
using T = TextBoxRole;

// clang-format off
const ControlEntry entries[] = {
    // name                    kind            container          text                          geometry (px)            tab shown font         text box
    {"labTitul",               K::Label,       nullptr,           "Ravo",                       {456, 0, 49, 25},        0,  true,  F::Title},
    {"cmdStart",               K::PushButton,  nullptr,           "Start",                      {552, 8, 65, 25},        1,  true,  F::Button},
    {"cmdKonec",               K::PushButton,  nullptr,           "Exit",                       {624, 8, 65, 25},        18, true,  F::Button},
    {"HScroll1",               K::ScrollBar,   nullptr,           "",                           {416, 24, 121, 17},      43, true},
    {"labKlepnete",            K::Label,       nullptr,           "Please press button Start",  {336, 240, 233, 25},     19, true,  F::Title},
    {"frmPoloměrLupy",         K::Frame,       nullptr,           "Radius of lens",             {56, 8, 89, 73},         2,  true},
    {"frmKmitočet",            K::Frame,       nullptr,           "Frequency - colour",         {152, 8, 113, 73},       20, true},
    {"frmIndex",               K::Frame,       nullptr,           "Refractive index",           {152, 88, 113, 89},      7,  true},
    {"frmZobrazení",           K::Frame,       nullptr,           "Mapping",                    {272, 24, 65, 57},       26, true},
    {"frmClona",               K::Frame,       nullptr,           "Aperture",                   {272, 88, 73, 81},       33, true},
    {"frmPůlLupy",             K::Frame,       nullptr,           "Half lens",                  {344, 24, 57, 57},       12, true},
    {"frmAnimace",             K::Frame,       nullptr,           "Animace",                    {120, 232, 81, 73},      39, false},
    {"nKmitočet",              K::TextBox,     nullptr,           "Kmitočet",                   {224, 24, 33, 19},       23, true,  F::Default,     T::Editable, Qt::white},
    {"nDisperze",              K::TextBox,     nullptr,           "Disperze",                   {232, 152, 25, 19},      30, true,  F::DefaultBold, T::Display},
    {"nPravděpodobnost",       K::TextBox,     nullptr,           "Probability",                {120, 184, 97, 25},      16, false, F::Caption,     T::Caption},
    {"nSoučetRadiusvektorů",   K::TextBox,     nullptr,           "Cornu spirals - Vector sum", {144, 376, 201, 25},     17, false, F::Caption,     T::Caption},
    {"nClonaOtvor",            K::TextBox,     nullptr,           "Screen",                     {64, 520, 57, 25},       37, false, F::Caption,     T::Caption},
    {"nPoloměr",               K::TextBox,     nullptr,           "Text1",                      {8, 40, 33, 19},         6,  false, F::Default,     T::Hidden},
    {"nIndex",                 K::TextBox,     nullptr,           "Index",                      {112, 120, 41, 19},      11, false, F::Default,     T::Hidden},
    {"nPůlLupy",               K::TextBox,     nullptr,           "PůlLupy",                    {368, 72, 33, 19},       15, false, F::Default,     T::Hidden},
    {"nStart",                 K::TextBox,     nullptr,           "Text1",                      {560, 24, 41, 19},       24, false, F::Default,     T::Hidden},
    {"nZobrazení",             K::TextBox,     nullptr,           "Zobrazení",                  {280, 72, 41, 19},       29, false, F::Default,     T::Hidden},
    {"nClona",                 K::TextBox,     nullptr,           "Clona",                      {360, 136, 33, 19},      32, false, F::Default,     T::Hidden},
    {"nSpomaleni",             K::TextBox,     nullptr,           "Spomaleni",                  {392, 0, 49, 19},        38, false, F::Default,     T::Hidden},

    {"opVelký",                K::OptionButton, "frmPoloměrLupy", "Great",                      {8, 16, 73, 17},         3,  true},
    {"opStřední",              K::OptionButton, "frmPoloměrLupy", "Middle",                     {8, 32, 65, 17},         4,  true},
    {"opMalý",                 K::OptionButton, "frmPoloměrLupy", "Small",                      {8, 48, 65, 17},         5,  true},
    {"opČervený",              K::OptionButton, "frmKmitočet",    "Red",                        {8, 16, 65, 17},         21, true,  F::Default, T::None, QColor(255, 128, 128)},
    {"OpZelená",               K::OptionButton, "frmKmitočet",    "Green",                      {8, 32, 65, 17},         25, true,  F::Default, T::None, QColor(128, 255, 128)},
    {"opModrý",                K::OptionButton, "frmKmitočet",    "Blue",                       {8, 48, 57, 17},         22, true,  F::Default, T::None, QColor(192, 192, 255)},
    {"opIndexVelký",           K::OptionButton, "frmIndex",       "Great",                      {8, 16, 57, 17},         8,  true},
    {"opIndexStřední",         K::OptionButton, "frmIndex",       "Middle",                     {8, 32, 57, 17},         9,  true},
    {"opIndexMalý",            K::OptionButton, "frmIndex",       "Small",                      {8, 48, 57, 13},         10, true},
    {"chDisperze",             K::CheckBox,     "frmIndex",       "Dispercion",                 {8, 64, 81, 13},         31, true},
    {"opBody",                 K::OptionButton, "frmZobrazení",   "Dots",                       {8, 16, 49, 17},         27, true},
    {"opPruhy",                K::OptionButton, "frmZobrazení",   "Bars",                       {8, 32, 49, 17},         28, true},
    {"opClonaŠiroká",          K::OptionButton, "frmClona",       "Great",                      {8, 16, 57, 17},         34, true},
    {"opClonaUy39",            K::OptionButton, "frmClona",       "Middle",                     {8, 38, 57, 13},         36, true},
    {"opClonaUzka",            K::OptionButton, "frmClona",       "Small",                      {8, 56, 49, 17},         35, true},
    {"opPůlNe",                K::OptionButton, "frmPůlLupy",     "No",                         {8, 16, 41, 17},         13, true},
    {"opPůlAno",               K::OptionButton, "frmPůlLupy",     "Yes",                        {8, 32, 41, 17},         14, true},
    {"opRychlá",               K::OptionButton, "frmAnimace",     "Rychlá",                     {8, 16, 57, 17},         40, true},
    {"opPomalejší",            K::OptionButton, "frmAnimace",     "Pomalejší",                  {8, 32, 65, 13},         41, true},
    {"opPomalá",               K::OptionButton, "frmAnimace",     "Pomalá",                     {8, 48, 57, 17},         42, true},
};
// clang-format on

} // namespace

std::span<const ControlEntry> controlTable() {
    return entries;
}

} // namespace ravo
