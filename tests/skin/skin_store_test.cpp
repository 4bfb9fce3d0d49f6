#include <gtest/gtest.h>

#include "skin_test_helpers.h"

#include <stdexcept>

#include "skin/skin_store.h"

using skin::MemoryStream;
using skin::TSkinCollection;
using skin::TSkinStore;
using skintest::Bytes;
using skintest::Skip;

TEST(SkinStore, NamesItemsByTheirIds) {
    TSkinStore store;
    for (int i = 0; i < 5; ++i)
        store.Store().Add();
    EXPECT_EQ(store.Store().Item(0).Name(), "SkinItem0");
    EXPECT_EQ(store.Store().Item(4).GetDisplayName(), "SkinItem4");
    // IDs are never given twice, not even after the items are gone.
    store.Store().Clear();
    EXPECT_EQ(store.Store().Add().Name(), "SkinItem5");
}

TEST(SkinStore, RefusesANameAnotherItemBears) {
    TSkinCollection items;
    auto& first = items.Add();
    auto& second = items.Add();
    first.SetName("SkinItem0");  // its own name: no check
    EXPECT_EQ(first.Name(), "SkinItem0");
    try {
        second.SetName("SkinItem0");
        FAIL() << "a second SkinItem0";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "The name SkinItem0 is already used.");
    }
    EXPECT_EQ(second.Name(), "SkinItem1");
    second.SetName("skinitem0");  // names differ by case
    EXPECT_EQ(second.Name(), "skinitem0");
    first.SetName("默认");
    second.SetName("SkinItem0");  // free again
    EXPECT_EQ(second.Name(), "SkinItem0");
}

TEST(SkinStore, KeepsTheArchiveBytesAsStored) {
    TSkinCollection items;
    auto& item = items.Add();
    EXPECT_EQ(item.SkinData(), "Load Skin");
    item.SetSkinData("anything");
    EXPECT_EQ(item.SkinData(), "Load Skin");

    MemoryStream formData(Bytes("archive bytes"));
    Skip(formData, 5);  // reading takes all, wherever the position
    item.ReadDataStream(formData);
    EXPECT_EQ(item.DataSize(), 13u);
    EXPECT_EQ(item.Data().Bytes(), Bytes("archive bytes"));

    MemoryStream out(Bytes("head:"));
    Skip(out, 5);
    item.WriteDataStream(out);
    EXPECT_EQ(out.Bytes(), Bytes("head:archive bytes"));
}

TEST(SkinStore, AssignsCopiesOfNamesAndArchives) {
    TSkinCollection source;
    source.Add().SetName("默认");
    source.Item(0).ReadDataStream(MemoryStream(Bytes("one")));
    source.Add().ReadDataStream(MemoryStream(Bytes("two")));

    TSkinStore store;
    store.Store().Add().SetName("old");
    store.SetStore(source);
    ASSERT_EQ(store.Store().Count(), 2u);
    EXPECT_EQ(store.Store().Item(0).Name(), "默认");
    EXPECT_EQ(store.Store().Item(1).Name(), "SkinItem1");
    EXPECT_EQ(store.Store().Item(1).Data().Bytes(), Bytes("two"));
    // Copies: changing the source leaves the store alone.
    source.Item(0).ReadDataStream(MemoryStream(Bytes("changed")));
    EXPECT_EQ(store.Store().Item(0).Data().Bytes(), Bytes("one"));
    store.SetStore(store.Store());
    EXPECT_EQ(store.Store().Count(), 2u);
}
