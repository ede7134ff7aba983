// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The cycles of a directed graph given as adjacency lists (node i refers to
// the nodes in references[i], each in 0..n-1): every strongly connected
// component of more than one node, and every node that refers to itself. Each
// cycle lists its nodes in ascending order; the cycles are ordered by their
// first node. Runs without recursion, so long chains cannot exhaust the stack.
std::vector<std::vector<int>> FindReferenceCycles(const std::vector<std::vector<int>>& references);
