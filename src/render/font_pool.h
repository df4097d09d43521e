#pragma once
// Every font sticker text uses, made once and then only selected: three Japanese typefaces (the
// third one the user's choice), four Latin typefaces, each normal and bold. Sizes and rotations
// are derived at drawing time, so one loaded face serves all 22 sizes and four rotations, and
// the "@" vertical variant is the same face shaped with its vertical forms.
#include "format/font_sizes.h"
#include "render/pool_font.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CFontPool {
public:
    CFontPool();

    std::vector<int> m_sizes;
    std::uint8_t m_bAllSizes = 1;
    std::uint8_t m_bCreated = 0;

    // Loads Japanese faces 0 and 1 and every Latin face, replacing what an earlier call loaded.
    void Create();
    // Loads only what text in these faces at this weight is drawn with: the two faces and those that
    // stand in for a missing one (Japanese 0, Latin 1). For a command that draws one design once.
    void CreateFaces(int japaneseFace, int latinFace, bool bold);
    // Remembers the other typeface's name (code page 932, as the design keeps it) and loads face 2.
    void CreateOther(const std::string& cp932FaceName);
    // Drops face 2 (the design's other typeface was cleared).
    void ReleaseOther();
    // Drops every font. Fonts belong to the GUI application object and must go before it does.
    void Release();

    static int IndexOfSize(int points) { return ::IndexOfSize(points); }
    // Point size of a size index, clamped to the list.
    int PointsAt(int sizeIndex) const;

    // The font of a slot, or nullptr for an empty slot (face 2 before a typeface was chosen, or
    // a family that is not installed).
    const PoolFont* Japanese(int face, bool bold) const;
    const PoolFont* Latin(int face, bool bold) const;

    // The other typeface's name face 2 was last loaded for.
    const std::string& OtherFace() const;
    // Counts every change of the loaded fonts.
    std::uint64_t Version() const { return m_version; }

private:
    void LoadJapanese(int face, bool bold);
    void LoadLatin(int face, bool bold);

    std::uint64_t m_version = 0;
    std::string m_otherFace;
    std::array<std::unique_ptr<PoolFont>, kJapaneseFaces * 2> m_japanese;
    std::array<std::unique_ptr<PoolFont>, kLatinFaces * 2> m_latin;
};

extern CFontPool g_fontPool;

// Holds the fonts for as long as it lives and releases them before the application object that
// owns Qt's font database is destroyed.
class FontPoolSession {
public:
    FontPoolSession() = default;
    ~FontPoolSession() { g_fontPool.Release(); }
    FontPoolSession(const FontPoolSession&) = delete;
    FontPoolSession& operator=(const FontPoolSession&) = delete;
};
