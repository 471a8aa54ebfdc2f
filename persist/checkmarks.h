// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include "model/gamestate.h"
#include "platform/window.h"

// One item of a check-mark group and the value it stands for.
struct checkmark {
  menuitem item;
  int value;
};

// The four groups of the play options. In each group exactly one item carries the check mark,
// unless a loaded value matches none of them.
inline constexpr std::array<checkmark, 3> difficultymarks{
    {{menuitem::one, 0}, {menuitem::two, 1}, {menuitem::three, 2}}};
// In the order a new game reads them: the last checked item wins.
inline constexpr std::array<checkmark, 5> gametypemarks{
    {{menuitem::regular, gametypes::regular},
     {menuitem::hard, gametypes::hard},
     {menuitem::classic, gametypes::easy},
     {menuitem::allsizes, gametypes::allsizes},
     {menuitem::holeinone, gametypes::holeinone}}};
inline constexpr std::array<checkmark, 2> colormodemarks{
    {{menuitem::truecolor, 0}, {menuitem::color16, 1}}};
inline constexpr std::array<checkmark, 2> blockcolormarks{
    {{menuitem::blockrandom, 1}, {menuitem::blockuniform, 0}}};

// Clears the group, then checks the item that stands for value; none when no item does.
void checkvalue(window& w, std::span<const checkmark> group, int value);

// The value of the last checked item of the group; current when no item is checked.
int checkedvalue(const window& w, std::span<const checkmark> group, int current);

// The kind of game the check marks choose; current when no item is checked.
int checkedgametype(const window& w, int current);

// Sets all four groups from the settings in force.
void checkfromsettings(window& w, const gamestate& g);
