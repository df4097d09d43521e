#pragma once
// Brand and part as one key, the way the database tells templates apart: without regard to case.
#include <string>

std::string TemplateKey(const std::string& brand, const std::string& part);
