// SPDX-FileCopyrightText: 2026 The Tavrin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/ReferenceCycles.h"

#include <algorithm>
#include <cstddef>

namespace {

// Tarjan's strongly connected components with an explicit call stack.
class CComponentFinder {
public:
    explicit CComponentFinder(const std::vector<std::vector<int>>& graph)
        : references(graph), order(graph.size(), kUnvisited), lowLink(graph.size(), 0), onStack(graph.size(), false) {}

    std::vector<std::vector<int>> Run() {
        for (std::size_t node = 0; node < references.size(); ++node) {
            if (order[node] == kUnvisited) {
                Visit(static_cast<int>(node));
            }
        }
        std::sort(cycles.begin(), cycles.end());
        return cycles;
    }

private:
    static constexpr int kUnvisited = -1;

    struct Frame {
        int node;
        std::size_t nextReference;
    };

    static std::size_t At(int node) { return static_cast<std::size_t>(node); }

    void Enter(int node, std::vector<Frame>& calls) {
        order[At(node)] = lowLink[At(node)] = counter++;
        stack.push_back(node);
        onStack[At(node)] = true;
        calls.push_back(Frame{node, 0});
    }

    void Visit(int start) {
        std::vector<Frame> calls;
        Enter(start, calls);
        while (!calls.empty()) {
            Frame& frame = calls.back();
            const std::vector<int>& targets = references[At(frame.node)];
            if (frame.nextReference < targets.size()) {
                const int target = targets[frame.nextReference++];
                if (order[At(target)] == kUnvisited) {
                    Enter(target, calls);  // invalidates `frame`
                } else if (onStack[At(target)]) {
                    lowLink[At(frame.node)] = std::min(lowLink[At(frame.node)], order[At(target)]);
                }
                continue;
            }
            const int node = frame.node;
            calls.pop_back();
            if (!calls.empty()) {
                const int caller = calls.back().node;
                lowLink[At(caller)] = std::min(lowLink[At(caller)], lowLink[At(node)]);
            }
            if (lowLink[At(node)] == order[At(node)]) {
                TakeComponent(node);
            }
        }
    }

    void TakeComponent(int root) {
        std::vector<int> component;
        int node = -1;
        do {
            node = stack.back();
            stack.pop_back();
            onStack[At(node)] = false;
            component.push_back(node);
        } while (node != root);
        const std::vector<int>& rootReferences = references[At(root)];
        const bool refersToItself =
            std::find(rootReferences.begin(), rootReferences.end(), root) != rootReferences.end();
        if (component.size() > 1 || refersToItself) {
            std::sort(component.begin(), component.end());
            cycles.push_back(std::move(component));
        }
    }

    const std::vector<std::vector<int>>& references;
    std::vector<int> order;
    std::vector<int> lowLink;
    std::vector<bool> onStack;
    std::vector<int> stack;
    std::vector<std::vector<int>> cycles;
    int counter = 0;
};

}  // namespace

std::vector<std::vector<int>> FindReferenceCycles(const std::vector<std::vector<int>>& references) {
    return CComponentFinder(references).Run();
}
