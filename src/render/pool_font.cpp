#include "render/pool_font.h"

#include "platform/cp932.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* userData)
{
    const auto* raw = static_cast<const QRawFont*>(userData);
    const char name[5] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
                          static_cast<char>(tag), 0};
    auto* table = new QByteArray(raw->fontTable(name));
    if (table->isEmpty()) {
        delete table;
        return nullptr;
    }
    return hb_blob_create(table->constData(), static_cast<unsigned>(table->size()), HB_MEMORY_MODE_READONLY, table,
                          [](void* data) { delete static_cast<QByteArray*>(data); });
}

std::uint16_t Big16(const QByteArray& data, int at)
{
    return static_cast<std::uint16_t>((static_cast<unsigned char>(data[at]) << 8) | static_cast<unsigned char>(data[at + 1]));
}

}  // namespace

QStringList FamilyNames(const QRawFont& raw)
{
    // The 'name' table: format, count, string offset, then records of platform, encoding,
    // language, name id, length and offset; ids 1 and 16 are the family and typographic family.
    const QByteArray table = raw.fontTable("name");
    QStringList names;
    if (table.size() < 6)
        return names;
    const int count = Big16(table, 2), strings = Big16(table, 4);
    for (int i = 0; i < count && 6 + 12 * i + 12 <= table.size(); ++i) {
        const int record = 6 + 12 * i;
        const int platform = Big16(table, record), id = Big16(table, record + 6);
        const int length = Big16(table, record + 8), offset = strings + Big16(table, record + 10);
        if ((id != 1 && id != 16) || offset + length > table.size())
            continue;
        QString name;
        if (platform == 0 || platform == 3) {
            for (int at = offset; at + 1 < offset + length; at += 2)
                name += QChar(Big16(table, at));
        } else {
            name = QString::fromLatin1(table.constData() + offset, length);
        }
        if (!name.isEmpty() && !names.contains(name))
            names.push_back(name);
    }
    return names;
}

namespace {

// Fontconfig names a family in the locale's language ("IPAゴシック" in Japanese): the font is the
// one asked for when any of its names, in any language, is the name asked for.
bool IsFamily(const QRawFont& raw, const QString& family)
{
    if (raw.familyName().compare(family, Qt::CaseInsensitive) == 0)
        return true;
    const QStringList names = FamilyNames(raw);
    return std::any_of(names.begin(), names.end(),
                       [&family](const QString& name) { return name.compare(family, Qt::CaseInsensitive) == 0; });
}

QRawFont RawFontFor(const FamilyChoice& choice, bool bold)
{
    QFont font;
    font.setFamilies({choice.family});
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setWeight(bold || choice.alwaysBold ? QFont::Bold : QFont::Normal);
    font.setStretch(choice.stretch);
    font.setPixelSize(100);
    QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Any);
    if (!raw.isValid() || !IsFamily(raw, choice.family))
        return QRawFont();
    return raw;
}

// The cell height of the Windows text metrics: the OS/2 table's Windows ascent and descent.
void ReadVerticalMetrics(hb_font_t* font, double& ascent, double& descent)
{
    hb_position_t a = 0, d = 0;
    if (hb_ot_metrics_get_position(font, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_ASCENT, &a) &&
        hb_ot_metrics_get_position(font, HB_OT_METRICS_TAG_HORIZONTAL_CLIPPING_DESCENT, &d) && a + d > 0) {
        ascent = a;
        descent = std::abs(d);
        return;
    }
    hb_font_extents_t extents{};
    hb_font_get_h_extents(font, &extents);
    ascent = extents.ascender;
    descent = std::abs(extents.descender);
}

}  // namespace

std::unique_ptr<PoolFont> PoolFont::Load(const std::vector<FamilyChoice>& choices, bool bold)
{
    for (const FamilyChoice& choice : choices) {
        QRawFont raw = RawFontFor(choice, bold);
        if (!raw.isValid())
            continue;
        std::unique_ptr<PoolFont> font(new PoolFont);
        font->m_raw = raw;
        font->m_syntheticBold = (bold || choice.alwaysBold) && raw.weight() < QFont::DemiBold;
        font->m_hbFace = hb_face_create_for_tables(ReferenceTable, &font->m_raw, nullptr);
        font->m_unitsPerEm = hb_face_get_upem(font->m_hbFace);
        font->m_hbFont = hb_font_create(font->m_hbFace);
        ReadVerticalMetrics(font->m_hbFont, font->m_ascent, font->m_descent);
        return font;
    }
    return nullptr;
}

PoolFont::~PoolFont()
{
    hb_font_destroy(m_hbFont);
    hb_face_destroy(m_hbFace);
}

ShapedRun PoolFont::Shape(const std::string& cp932Run, bool vertical) const
{
    const std::u32string codePoints = cp932::ToCodePoints(cp932Run);
    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_codepoints(buffer, reinterpret_cast<const hb_codepoint_t*>(codePoints.data()),
                             static_cast<int>(codePoints.size()), 0, static_cast<int>(codePoints.size()));
    hb_buffer_set_cluster_level(buffer, HB_BUFFER_CLUSTER_LEVEL_MONOTONE_CHARACTERS);
    hb_buffer_guess_segment_properties(buffer);
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    static const hb_feature_t kVerticalForms[] = {{HB_TAG('v', 'e', 'r', 't'), 1, 0, ~0u},
                                                  {HB_TAG('v', 'r', 't', '2'), 1, 0, ~0u}};
    hb_shape(m_hbFont, buffer, vertical ? kVerticalForms : nullptr, vertical ? 2 : 0);

    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, &count);
    ShapedRun run;
    run.charCount = static_cast<int>(codePoints.size());
    for (unsigned i = 0; i < count; ++i) {
        run.glyphs.push_back(infos[i].codepoint);
        run.advances.push_back(positions[i].x_advance);
        run.charIndex.push_back(static_cast<int>(infos[i].cluster));
    }
    hb_buffer_destroy(buffer);
    return run;
}

const ShapedRun& PoolFont::ShapeRemembered(const std::string& cp932Run, bool vertical) const
{
    // The lines of a few full sheets; beyond that start afresh rather than grow.
    constexpr std::size_t kMaxRemembered = 20000;
    std::unordered_map<std::string, ShapedRun>& remembered = m_shaped[vertical ? 1 : 0];
    auto found = remembered.find(cp932Run);
    if (found == remembered.end()) {
        if (remembered.size() >= kMaxRemembered)
            remembered.clear();
        found = remembered.emplace(cp932Run, Shape(cp932Run, vertical)).first;
    }
    return found->second;
}

double PoolFont::Scale(int points) const { return EmUnits(points) / m_unitsPerEm; }

int PoolFont::Extent(const std::string& cp932Run, bool vertical, int points) const
{
    // Enough for every run of a few full sheets; beyond that start afresh rather than grow.
    constexpr std::size_t kMaxRemembered = 200000;
    std::unordered_map<std::string, double>& remembered = m_runAdvance[vertical ? 1 : 0];
    auto found = remembered.find(cp932Run);
    if (found == remembered.end()) {
        if (remembered.size() >= kMaxRemembered)
            remembered.clear();
        double sum = 0;
        for (double advance : Shape(cp932Run, vertical).advances)
            sum += advance;
        found = remembered.emplace(cp932Run, sum).first;
    }
    return static_cast<int>(std::lround(found->second * Scale(points)));
}

int PoolFont::CellHeight(int points) const
{
    return static_cast<int>(std::lround((m_ascent + m_descent) * Scale(points)));
}

int PoolFont::Ascent(int points) const { return static_cast<int>(std::lround(m_ascent * Scale(points))); }

const QRawFont& PoolFont::RawAt(double pixelSize) const
{
    auto found = m_sized.find(pixelSize);
    if (found == m_sized.end()) {
        QRawFont raw = m_raw;
        raw.setPixelSize(pixelSize);
        found = m_sized.emplace(pixelSize, raw).first;
    }
    return found->second;
}
