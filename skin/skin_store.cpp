#include "skin/skin_store.h"

#include <stdexcept>

namespace skin {

TSkinCollectionItem::TSkinCollectionItem(const TSkinCollection& collection, int id)
    : collection_(collection), id_(id), name_("SkinItem" + std::to_string(id)) {}

void TSkinCollectionItem::SetName(const std::string& value) {
    if (value == name_)
        return;
    for (size_t i = 0; i < collection_.Count(); ++i) {
        const TSkinCollectionItem& other = collection_.Item(i);
        if (&other != this && other.name_ == value)
            throw std::runtime_error("The name " + value + " is already used.");
    }
    name_ = value;
}

void TSkinCollectionItem::ReadDataStream(const MemoryStream& from) {
    data_ = MemoryStream(from.Bytes());
}

void TSkinCollectionItem::WriteDataStream(MemoryStream& to) const {
    to.Write(data_.Bytes());
}

void TSkinCollectionItem::Assign(const TSkinCollectionItem& source) {
    if (&source == this)
        return;
    name_ = source.name_;
    data_ = MemoryStream(source.data_.Bytes());
}

TSkinCollectionItem& TSkinCollection::Add() {
    items_.push_back(
        std::unique_ptr<TSkinCollectionItem>(new TSkinCollectionItem(*this, nextId_++)));
    return *items_.back();
}

void TSkinCollection::Assign(const TSkinCollection& source) {
    if (&source == this)
        return;
    Clear();
    for (const auto& item : source.items_)
        Add().Assign(*item);
}

}  // namespace skin
