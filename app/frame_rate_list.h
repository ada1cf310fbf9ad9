#pragma once

#include "subtitle/frame_rates.h"

class QListWidget;

// The window's three frame-rate lists: the listed rates in list order, each item showing the
// rate's text and holding its exact value, nothing selected at first.
QListWidget* MakeFrameRateList(const char* name);
// The rate of the selected item, 0 when nothing is selected.
double SelectedFrameRate(const QListWidget* list);
// Selects a listed rate; a change runs the list's click handler.
void SelectFrameRate(QListWidget* list, const lumetra::ListedFrameRate& rate);
