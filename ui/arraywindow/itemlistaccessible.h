#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>
#include <cstddef>

/// What a screen reader sees of a `Widget`: a list of `Count` items, each an `Item` made from
/// (Widget *, 0-based index) when first asked for; `Item::index()` tells it back. A widget that shows
/// fewer items at times overrides childCount(), which never passes `Count`.
template<typename Widget, typename Item, int Count>
class ItemListAccessible : public QAccessibleWidget
{
public:
    explicit ItemListAccessible(Widget *widget)
        : QAccessibleWidget(widget, QAccessible::List)
    {
    }

    ~ItemListAccessible() override
    {
        for (const QAccessible::Id id : m_children)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    [[nodiscard]] int childCount() const override { return Count; }

    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        QAccessible::Id &id = m_children[std::size_t(index)];
        if (id == 0) {
            // Qt's registry holds each item's interface until the destructor above deletes it.
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
            id = QAccessible::registerAccessibleInterface(new Item(owner(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *item = dynamic_cast<const Item *>(child);
        return item && item->parent() == this && item->index() < childCount() ? item->index() : -1;
    }

protected:
    [[nodiscard]] Widget *owner() const { return static_cast<Widget *>(widget()); }

private:
    // Made when first asked for, owned by Qt's cache under these ids (0: not made yet); deleted here.
    mutable std::array<QAccessible::Id, Count> m_children {};
};
