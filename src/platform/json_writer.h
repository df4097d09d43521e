#pragma once
// A small JSON writer for the headless command line. Strings are UTF-8 already.
#include <cstdint>
#include <string>
#include <vector>

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(const std::string& name);
    JsonWriter& String(const std::string& utf8);
    JsonWriter& Int(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& IntArray(const std::vector<int>& values);

    const std::string& Text() const { return m_out; }

private:
    void BeforeValue();

    std::string m_out;
    std::vector<bool> m_first;  // per open container: nothing written in it yet
    bool m_afterKey = false;
};
