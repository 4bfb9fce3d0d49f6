#include "ui/handler_chain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

// A chain whose own handling and links write their names into `trace` as a
// message passes them.
struct TracedChain {
    std::string trace;
    ui::HandlerChain chain{[this](ui::TMessage& m) {
        trace += "own";
        m.Result = 7;
    }};

    ui::HandlerLink Link(char name) {
        return ui::HandlerLink(chain, [this, name](ui::TMessage& m, const ui::NextHandler& next) {
            trace += name;
            next(m);
        });
    }
    std::string Send() {
        trace.clear();
        ui::TMessage m{1, 0, 0, 0};
        chain.Dispatch(m);
        EXPECT_EQ(m.Result, 7);
        return trace;
    }
};

TEST(HandlerChain, LinksLeaveInAnyOrderAndTheRestGoOnWorking) {
    const std::array<char, 3> names{'A', 'B', 'C'};
    std::array<int, 3> order{0, 1, 2};
    do {
        TracedChain t;
        std::array<std::optional<ui::HandlerLink>, 3> links;
        for (int i = 0; i < 3; ++i)
            links[i].emplace(t.Link(names[i]));
        ASSERT_EQ(t.Send(), "CBAown") << "the newest in front";
        for (int step = 0; step < 3; ++step) {
            links[order[step]].reset();
            std::string expected;
            for (int i = 2; i >= 0; --i) {
                if (links[i])
                    expected += names[i];
            }
            EXPECT_EQ(t.Send(), expected + "own")
                << "after removing " << names[order[0]] << names[order[1]] << names[order[2]]
                << " up to step " << step;
        }
        EXPECT_FALSE(t.chain.HasLinks());
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(HandlerChain, ALinkMayConsumeAMessageOrChangeIt) {
    TracedChain t;
    ui::HandlerLink outer = t.Link('A');
    ui::HandlerLink consumer(t.chain, [&](ui::TMessage& m, const ui::NextHandler& next) {
        if (m.Msg == 2) {
            t.trace += "eaten";
            m.Result = 5;
            return;
        }
        m.WParam = 42;
        next(m);
    });
    ui::TMessage eaten{2, 0, 0, 0};
    t.chain.Dispatch(eaten);
    EXPECT_EQ(t.trace, "eaten");
    EXPECT_EQ(eaten.Result, 5);

    t.trace.clear();
    ui::TMessage changed{3, 0, 0, 0};
    t.chain.Dispatch(changed);
    EXPECT_EQ(t.trace, "Aown");
    EXPECT_EQ(changed.WParam, 42u);
}

TEST(HandlerChain, ALinkRemovedWhileAMessageIsOnItsWayIsNotCalled) {
    TracedChain t;
    std::optional<ui::HandlerLink> last(t.Link('A'));
    std::optional<ui::HandlerLink> self;
    // B takes A out (its owner goes) before it hands the message on, and
    // then takes itself out too: the message still reaches the own handling.
    std::optional<ui::HandlerLink> b(
        ui::HandlerLink(t.chain, [&](ui::TMessage& m, const ui::NextHandler& next) {
            t.trace += 'B';
            last.reset();
            b.reset();
            next(m);
        }));
    EXPECT_EQ(t.Send(), "Bown");
    EXPECT_EQ(t.Send(), "own");
    EXPECT_FALSE(t.chain.HasLinks());
}

TEST(HandlerChain, ALinkAddedDuringAMessageSeesTheNextOne) {
    TracedChain t;
    std::optional<ui::HandlerLink> added;
    ui::HandlerLink adder(t.chain, [&](ui::TMessage& m, const ui::NextHandler& next) {
        t.trace += 'A';
        if (!added)
            added.emplace(t.Link('N'));
        next(m);
    });
    EXPECT_EQ(t.Send(), "Aown");
    EXPECT_EQ(t.Send(), "NAown");
}

TEST(HandlerChain, LinksOutlivingTheirChainAndMovedLinksAreHarmless) {
    ui::HandlerLink survivor;
    {
        TracedChain t;
        survivor = t.Link('A');
        ui::HandlerLink moved = t.Link('B');
        ui::HandlerLink target = std::move(moved);
        EXPECT_FALSE(moved.Linked());
        EXPECT_EQ(t.Send(), "BAown");
        target = t.Link('C');  // B leaves as C takes its place
        EXPECT_EQ(t.Send(), "CAown");
    }
    EXPECT_TRUE(survivor.Linked());
    survivor.Remove();  // its chain is gone: nothing to do
    EXPECT_FALSE(survivor.Linked());
}

}  // namespace
