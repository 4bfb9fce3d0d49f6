// The handlers of one window's messages as a chain: the window's own
// handling at the end, and in front of it the handlers that other components
// (the tray icon, a skinned frame, a skinned control) put there for a while.
// Each of those holds a HandlerLink, which takes its handler out again
// wherever it stands when it goes: the links may leave in any order, and a
// link that has left is never called again, not even by a message that was
// already on its way through the chain.
#pragma once

#include <functional>
#include <memory>

#include "ui/message.h"

namespace ui {

class HandlerChain;
// The chain's insides, which only handler_chain.cpp sees.
struct HandlerNode;
struct HandlerChainState;

// Given to a link's handler: hands the message on to the handlers behind it.
class NextHandler {
  public:
    void operator()(TMessage& message) const;

  private:
    friend class HandlerChain;
    NextHandler(const HandlerNode& node, HandlerChainState& state) : node_(node), state_(state) {}

    const HandlerNode& node_;
    HandlerChainState& state_;
};

// A link's handler: it handles the message, or hands it on with `next`, or
// both.
using TLinkHandler = std::function<void(TMessage& message, const NextHandler& next)>;

// A handler put in front of a chain; taken out when the link goes (or
// Remove is called), and harmless once the chain itself is gone.
class HandlerLink {
  public:
    HandlerLink() = default;
    HandlerLink(HandlerChain& chain, TLinkHandler handler);
    ~HandlerLink() { Remove(); }
    HandlerLink(HandlerLink&& other) noexcept = default;
    HandlerLink& operator=(HandlerLink&& other) noexcept;
    HandlerLink(const HandlerLink&) = delete;
    HandlerLink& operator=(const HandlerLink&) = delete;

    void Remove();
    bool Linked() const { return node_ != nullptr; }

  private:
    std::weak_ptr<HandlerChainState> chain_;
    std::shared_ptr<HandlerNode> node_;
};

class HandlerChain {
  public:
    // `own`: the window's own handling, which ends the chain.
    explicit HandlerChain(TWndMethod own);
    ~HandlerChain();
    HandlerChain(const HandlerChain&) = delete;
    HandlerChain& operator=(const HandlerChain&) = delete;

    // Runs the message through the links, newest first, then the window's
    // own handling.
    void Dispatch(TMessage& message);
    bool HasLinks() const;

  private:
    friend class HandlerLink;
    friend class NextHandler;
    static void Run(const std::shared_ptr<HandlerNode>& from, TMessage& message,
                    HandlerChainState& state);

    std::shared_ptr<HandlerChainState> state_;
};

}  // namespace ui
