#include "ui/handler_chain.h"

namespace ui {

// A link in the chain. A node taken out keeps its `next`, so that a message
// already inside it goes on to the handlers that were behind it.
struct HandlerNode {
    TLinkHandler handler;
    std::shared_ptr<HandlerNode> next;
    bool linked = true;
};

struct HandlerChainState {
    TWndMethod own;
    std::shared_ptr<HandlerNode> first;  // the newest link
};

void NextHandler::operator()(TMessage& message) const {
    HandlerChain::Run(node_.next, message, state_);
}

HandlerChain::HandlerChain(TWndMethod own) : state_(std::make_shared<HandlerChainState>()) {
    state_->own = std::move(own);
}

HandlerChain::~HandlerChain() {
    // The links outlive the chain harmlessly; they are no longer called.
    for (HandlerNode* node = state_->first.get(); node; node = node->next.get())
        node->linked = false;
}

void HandlerChain::Dispatch(TMessage& message) {
    // Kept alive for the whole message, even if the chain goes meanwhile.
    const std::shared_ptr<HandlerChainState> state = state_;
    Run(state->first, message, *state);
}

bool HandlerChain::HasLinks() const {
    return state_->first != nullptr;
}

void HandlerChain::Run(const std::shared_ptr<HandlerNode>& from, TMessage& message,
                       HandlerChainState& state) {
    std::shared_ptr<HandlerNode> node = from;
    while (node && !node->linked)
        node = node->next;
    if (!node) {
        state.own(message);
        return;
    }
    node->handler(message, NextHandler(*node, state));
}

HandlerLink::HandlerLink(HandlerChain& chain, TLinkHandler handler)
    : chain_(chain.state_), node_(std::make_shared<HandlerNode>()) {
    node_->handler = std::move(handler);
    node_->next = chain.state_->first;
    chain.state_->first = node_;
}

HandlerLink& HandlerLink::operator=(HandlerLink&& other) noexcept {
    if (this != &other) {
        Remove();
        chain_ = std::move(other.chain_);
        node_ = std::move(other.node_);
    }
    return *this;
}

void HandlerLink::Remove() {
    if (!node_)
        return;
    node_->linked = false;
    if (const std::shared_ptr<HandlerChainState> state = chain_.lock()) {
        std::shared_ptr<HandlerNode>* place = &state->first;
        while (*place && *place != node_)
            place = &(*place)->next;
        if (*place)
            *place = node_->next;
    }
    node_.reset();
    chain_.reset();
}

}  // namespace ui
