#include "render/font_pool.h"

#include "platform/cp932.h"

#include <algorithm>

CFontPool g_fontPool;

CFontPool::CFontPool() : m_sizes(kFontSizes.begin(), kFontSizes.end()) {}

void CFontPool::LoadJapanese(int face, bool bold)
{
    m_japanese[static_cast<std::size_t>(face * 2 + (bold ? 1 : 0))] = PoolFont::Load(JapaneseFamilies(face, {}), bold);
}

void CFontPool::LoadLatin(int face, bool bold)
{
    m_latin[static_cast<std::size_t>(face * 2 + (bold ? 1 : 0))] = PoolFont::Load(LatinFamilies(face), bold);
}

void CFontPool::Create()
{
    for (int face = 0; face < 2; ++face)
        for (bool bold : {false, true})
            LoadJapanese(face, bold);
    for (int face = 0; face < kLatinFaces; ++face)
        for (bool bold : {false, true})
            LoadLatin(face, bold);
    m_bCreated = 1;
    m_bAllSizes = 1;
    ++m_version;
}

void CFontPool::CreateFaces(int japaneseFace, int latinFace, bool bold)
{
    Release();
    for (int face : {0, japaneseFace})
        if (face >= 0 && face < 2)
            LoadJapanese(face, bold);
    for (int face : {1, latinFace})
        if (face >= 0 && face < kLatinFaces)
            LoadLatin(face, bold);
    m_bCreated = 1;
    m_bAllSizes = 1;
    ++m_version;
}

void CFontPool::CreateOther(const std::string& cp932FaceName)
{
    m_otherFace = cp932FaceName;
    const QString family = QString::fromStdString(cp932::ToUtf8(cp932FaceName));
    for (int bold = 0; bold < 2; ++bold)
        m_japanese[2 * 2 + bold] = PoolFont::Load(JapaneseFamilies(2, family), bold != 0);
    ++m_version;
}

void CFontPool::ReleaseOther()
{
    m_japanese[4].reset();
    m_japanese[5].reset();
    ++m_version;
}

void CFontPool::Release()
{
    for (auto& font : m_japanese)
        font.reset();
    for (auto& font : m_latin)
        font.reset();
    m_bCreated = 0;
    ++m_version;
}

int CFontPool::PointsAt(int sizeIndex) const
{
    return m_sizes[static_cast<std::size_t>(std::clamp(sizeIndex, 0, static_cast<int>(m_sizes.size()) - 1))];
}

const PoolFont* CFontPool::Japanese(int face, bool bold) const
{
    if (face < 0 || face >= kJapaneseFaces)
        return nullptr;
    return m_japanese[static_cast<std::size_t>(face * 2 + (bold ? 1 : 0))].get();
}

const PoolFont* CFontPool::Latin(int face, bool bold) const
{
    if (face < 0 || face >= kLatinFaces)
        return nullptr;
    return m_latin[static_cast<std::size_t>(face * 2 + (bold ? 1 : 0))].get();
}

const std::string& CFontPool::OtherFace() const { return m_otherFace; }
