#include "text/layout_cache.h"

bool LayoutInputs::operator==(const LayoutInputs& o) const
{
    return sizeTenths == o.sizeTenths && box == o.box && mode.family == o.mode.family &&
           mode.vertical == o.mode.vertical && mode.japaneseRotation == o.mode.japaneseRotation &&
           mode.latinRotation == o.mode.latinRotation && mode.axis == o.mode.axis &&
           japaneseFace == o.japaneseFace && latinFace == o.latinFace && bold == o.bold && breaks == o.breaks &&
           fontsVersion == o.fontsVersion && text == o.text;
}

const LayoutResult* LayoutCache::Find(std::size_t index, const LayoutInputs& inputs) const
{
    if (index >= m_entries.size() || !m_entries[index].valid || !(m_entries[index].inputs == inputs))
        return nullptr;
    return &m_entries[index].result;
}

void LayoutCache::Store(std::size_t index, LayoutInputs inputs, LayoutResult result)
{
    if (index >= m_entries.size())
        m_entries.resize(index + 1);
    m_entries[index] = Entry{true, std::move(inputs), std::move(result)};
}
