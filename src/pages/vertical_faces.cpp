#include "pages/vertical_faces.h"

#include <QFont>
#include <QFontDatabase>

#include <hb-ot.h>

#include <vector>

namespace {

hb_blob_t* ReferenceTable(hb_face_t*, hb_tag_t tag, void* userData)
{
    const auto* font = static_cast<const QRawFont*>(userData);
    const char name[4] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
                          static_cast<char>(tag)};
    auto* table = new QByteArray(font->fontTable(name));
    return hb_blob_create(table->constData(), static_cast<unsigned>(table->size()), HB_MEMORY_MODE_READONLY, table,
                          [](void* data) { delete static_cast<QByteArray*>(data); });
}

std::vector<hb_tag_t> SubstitutionFeatures(hb_face_t* face)
{
    unsigned count = hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, nullptr, nullptr);
    std::vector<hb_tag_t> tags(count);
    hb_ot_layout_table_get_feature_tags(face, HB_OT_TAG_GSUB, 0, &count, tags.data());
    tags.resize(count);
    return tags;
}

}  // namespace

bool IsOfferedFaceName(const QString& family)
{
    return !family.startsWith(QStringLiteral("ＭＳ")) && !family.startsWith(QLatin1String("MS"))
           && family != QLatin1String("edit") && family != QLatin1String("OCR-B");
}

bool HasVerticalForms(const QRawFont& font)
{
    if (!font.isValid())
        return false;
    hb_face_t* face = hb_face_create_for_tables(ReferenceTable, const_cast<QRawFont*>(&font), nullptr);
    bool found = false;
    for (hb_tag_t tag : SubstitutionFeatures(face))
        found = found || tag == HB_TAG('v', 'e', 'r', 't');
    hb_face_destroy(face);
    return found;
}

QStringList VerticalFaces(const QStringList& families)
{
    QStringList faces;
    for (const QString& family : families) {
        if (!IsOfferedFaceName(family))
            continue;
        // A family that is not installed resolves to a substitute, which is not what the user
        // would be choosing.
        const QRawFont font = QRawFont::fromFont(QFont(family), QFontDatabase::Japanese);
        if (font.familyName().compare(family, Qt::CaseInsensitive) == 0 && HasVerticalForms(font))
            faces.append(family);
    }
    return faces;
}

QStringList InstalledVerticalFaces()
{
    return VerticalFaces(QFontDatabase::families(QFontDatabase::Japanese));
}
