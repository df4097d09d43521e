#include "platform/json_writer.h"

#include <cstdio>

void JsonWriter::BeforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first.empty()) {
        if (!m_first.back())
            m_out += ',';
        m_first.back() = false;
    }
}

JsonWriter& JsonWriter::BeginObject()
{
    BeforeValue();
    m_out += '{';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject()
{
    m_out += '}';
    m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::BeginArray()
{
    BeforeValue();
    m_out += '[';
    m_first.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray()
{
    m_out += ']';
    m_first.pop_back();
    return *this;
}

JsonWriter& JsonWriter::Key(const std::string& name)
{
    String(name);
    m_out += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& utf8)
{
    BeforeValue();
    m_out += '"';
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': m_out += "\\\""; break;
        case '\\': m_out += "\\\\"; break;
        case '\n': m_out += "\\n"; break;
        case '\r': m_out += "\\r"; break;
        case '\t': m_out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                m_out += buf;
            } else {
                m_out += static_cast<char>(c);
            }
        }
    }
    m_out += '"';
    return *this;
}

JsonWriter& JsonWriter::Int(long long value)
{
    BeforeValue();
    m_out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value)
{
    BeforeValue();
    m_out += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::IntArray(const std::vector<int>& values)
{
    BeginArray();
    for (int v : values)
        Int(v);
    return EndArray();
}
