#include "labels/template_key.h"

#include <QString>

std::string TemplateKey(const std::string& brand, const std::string& part)
{
    // No attribute value holds a NUL, so the key of one brand and part is no other's.
    return QString::fromStdString(brand).toCaseFolded().toStdString() + '\0' +
           QString::fromStdString(part).toCaseFolded().toStdString();
}
