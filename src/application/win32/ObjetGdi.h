// Ownership of the window's GDI objects (fonts, brushes, bitmaps): each is
// deleted with its owner.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct SuppressionGdi {
    void operator()(void* objet) const { DeleteObject(static_cast<HGDIOBJ>(objet)); }
};

template <class Poignee>
using ObjetGdi = std::unique_ptr<std::remove_pointer_t<Poignee>, SuppressionGdi>;
