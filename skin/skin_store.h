// The store of the skins the program carries: a collection of named items,
// each holding one compressed skin archive exactly as stored.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/memory_stream.h"

namespace skin {

class TSkinCollection;

class TSkinCollectionItem {
  public:
    TSkinCollectionItem(const TSkinCollectionItem&) = delete;
    TSkinCollectionItem& operator=(const TSkinCollectionItem&) = delete;

    // Numbers the items of a collection in the order they were added.
    int ID() const { return id_; }

    const std::string& Name() const { return name_; }
    // Throws std::runtime_error, and keeps the old name, when another item
    // of the collection already bears exactly that name.
    void SetName(const std::string& value);
    std::string GetDisplayName() const { return name_; }

    // A design-time handle with no data behind it.
    std::string SkinData() const { return "Load Skin"; }
    void SetSkinData(const std::string&) {}

    size_t DataSize() const { return data_.Size(); }
    const MemoryStream& Data() const { return data_; }

    // The stored form of the archive is its bytes, with nothing around them.
    // Reading takes all of `from`, whatever its position; writing appends
    // the whole archive at `to`'s position.
    void ReadDataStream(const MemoryStream& from);
    void WriteDataStream(MemoryStream& to) const;

    // Takes the name and the archive of `source`.
    void Assign(const TSkinCollectionItem& source);

  private:
    friend class TSkinCollection;
    TSkinCollectionItem(const TSkinCollection& collection, int id);

    const TSkinCollection& collection_;
    int id_;
    std::string name_;
    MemoryStream data_;
};

class TSkinCollection {
  public:
    TSkinCollection() = default;
    TSkinCollection(const TSkinCollection&) = delete;
    TSkinCollection& operator=(const TSkinCollection&) = delete;

    // A new item at the end, named "SkinItem" and its ID.
    TSkinCollectionItem& Add();
    size_t Count() const { return items_.size(); }
    TSkinCollectionItem& Item(size_t index) { return *items_[index]; }
    const TSkinCollectionItem& Item(size_t index) const { return *items_[index]; }
    // Removes every item; the IDs of later items go on counting.
    void Clear() { items_.clear(); }
    // Replaces the items by copies of `source`'s.
    void Assign(const TSkinCollection& source);

  private:
    std::vector<std::unique_ptr<TSkinCollectionItem>> items_;
    int nextId_ = 0;
};

class TSkinStore {
  public:
    TSkinCollection& Store() { return store_; }
    const TSkinCollection& Store() const { return store_; }
    // Copies the items of `value` into the store's own collection.
    void SetStore(const TSkinCollection& value) { store_.Assign(value); }

  private:
    TSkinCollection store_;
};

}  // namespace skin
