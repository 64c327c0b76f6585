// One JSON document, read and changed through member paths relative to its root such as
// "data.diff[3].f12", "[0]" or "" (the root itself). A path may also start with the root's
// own name ("da.data.diff"). Texts in and out are GBK; the document keeps UTF-8 inside.
//
// Reading never fails loudly: a missing member gives an empty text, 0 or false.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrum {

// Where and why a parse failed. Filled by parse() whenever the caller passes one; all
// zero and empty after a successful parse.
struct JsonErrorInfo {
    std::int32_t number = 0;  // the parser's error id, 0 when there was no error
    std::string source;       // "JSON" when there was an error
    std::string description;  // the parser's message, GBK
    std::string helpFile;     // always empty
    std::int32_t helpContext = 0;
    std::string text;         // the line that holds the error, GBK
    std::int32_t line = 0;    // 1-based
    std::int32_t column = 0;  // 1-based byte column
};

// Value kinds returned by typeOf().
enum JsonType : std::int32_t {
    kJsonBadPath = -1,  // the path runs through a missing member, or cannot be read
    kJsonNull = 0,      // null or missing
    kJsonBoolean = 1,
    kJsonNumber = 2,
    kJsonObject = 4,
    kJsonArray = 5,
    kJsonString = 6,
};

class JsonDocument {
  public:
    JsonDocument();
    ~JsonDocument();
    JsonDocument(const JsonDocument& other);
    JsonDocument& operator=(const JsonDocument& other);
    JsonDocument(JsonDocument&&) noexcept;
    JsonDocument& operator=(JsonDocument&&) noexcept;

    // Replaces the document by the JSON text. False for an empty, malformed or null text;
    // the document is then null and every path reads as missing.
    bool parse(const std::string& text, JsonErrorInfo* error = nullptr);
    // Makes the document an empty object.
    bool clear();
    // The whole document as compact JSON.
    std::string toJson() const;

    // Rewrites a path to the form that starts with the root's name ("data" -> "da.data",
    // "[0]" -> "da[0]", "" -> "da"); true when a value that is not null lies there.
    bool resolvePath(std::string& path) const;
    bool exists(const std::string& path) const;
    JsonType typeOf(const std::string& path) const;

    // A string as it is, a number in its shortest text ("5000000", "12.5"), a boolean as
    // "true"/"false"; with asJson the value as JSON. Empty when missing or null.
    std::string getText(const std::string& path, bool asJson = false) const;
    std::string getJson(const std::string& path) const;
    double getNumber(const std::string& path) const;
    // Length of the array at the path; 0 when missing, null or not an array.
    std::int32_t count(const std::string& path) const;
    // Member names of the object at the path, in document order; returns their number.
    std::int32_t memberNames(std::vector<std::string>& names, const std::string& path) const;
    // The string, number and boolean members of the value at the path, in order; with
    // recursive, also those of nested objects and arrays. Returns their number.
    std::int32_t allValues(std::vector<std::string>& values, const std::string& path,
                           bool recursive = false) const;
    // A new document holding a copy of the value at the path (null when missing).
    JsonDocument getObject(const std::string& path) const;
    JsonDocument getElementObject(std::int32_t index, const std::string& path) const;
    // Element text of the array at the path: only string elements give text, unless asJson.
    std::string getElementText(std::int32_t index, const std::string& path,
                               bool asJson = false) const;

    // Writes a text value, or with isJson a JSON value; an object written onto an existing
    // object is merged into it. The member's container must exist. True when written.
    bool setValue(const std::string& path, const std::string& value, bool isJson = false);
    // Writes the value of a JSON text at the path.
    bool setByExpression(const std::string& path, const std::string& jsonText);
    bool setNumber(const std::string& path, double value);
    // Appends (or with atFront, prepends) an element; a value at the path that is not an
    // array is replaced by an empty array first.
    bool arrayAdd(const std::string& element, const std::string& path, bool isJson = false,
                  bool atFront = false);
    bool setElement(std::int32_t index, const std::string& path, const std::string& value,
                    bool isJson = false);
    bool removeElement(std::int32_t index, const std::string& path);
    // Removes the member at the path; an array element becomes null. True when removed.
    bool remove(const std::string& path);

    static constexpr const char* kRootName = "da";

  private:
    struct Value;
    std::unique_ptr<Value> root_;
};

}  // namespace kestrum
