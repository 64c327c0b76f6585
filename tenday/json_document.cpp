#include "tenday/json_document.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "common/charset.h"
#include "tenday/json_path.h"
#include "tenday/script_number_text.h"

namespace kestrum {

using Json = nlohmann::ordered_json;

struct JsonDocument::Value {
    Json json = Json::object();
};

namespace {

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Paths, codes and numbers are plain ASCII, the same in GBK and UTF-8: no conversion needed.
std::string toUtf8(std::string_view gbkText) {
    return isAscii(gbkText) ? std::string(gbkText) : gbkToUtf8(gbkText);
}

std::string toGbk(std::string_view utf8Text) {
    return isAscii(utf8Text) ? std::string(utf8Text) : utf8ToGbk(utf8Text);
}

// Deeper documents are refused: every walk over a value would otherwise recurse that deep.
constexpr int kMaxNesting = 512;

enum class Found { Value, Missing, Broken };

struct Lookup {
    Found found = Found::Broken;
    const Json* value = nullptr;  // set when found == Value
};

Lookup lookUp(const Json& root, const JsonPath& path) {
    const Json* current = &root;
    bool missing = false;
    for (const JsonPathStep& step : path) {
        // Reading below a missing or null member is an error, not a missing value.
        if (missing || current->is_null())
            return {Found::Broken, nullptr};
        const Json* next = nullptr;
        if (current->is_object()) {
            std::string name = step.isIndex ? std::to_string(step.index) : step.name;
            auto it = current->find(name);
            if (it != current->end())
                next = &*it;
        } else if (current->is_array() && step.isIndex) {
            if (step.index < current->size())
                next = &(*current)[step.index];
        }
        if (next == nullptr)
            missing = true;
        else
            current = next;
    }
    if (missing)
        return {Found::Missing, nullptr};
    return {Found::Value, current};
}

bool isPresent(const Lookup& lookup) {
    return lookup.found == Found::Value && !lookup.value->is_null();
}

std::string numberText(const Json& value) {
    if (value.is_number_unsigned())
        return scriptNumberText(value.get<std::uint64_t>());
    if (value.is_number_integer())
        return scriptNumberText(value.get<std::int64_t>());
    return scriptNumberText(value.get<double>());
}

// The value's own text form (UTF-8): arrays join their elements with ",".
std::string plainText(const Json& value, int depth = 0) {
    switch (value.type()) {
        case Json::value_t::string:
            return value.get_ref<const std::string&>();
        case Json::value_t::boolean:
            return value.get<bool>() ? "true" : "false";
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return numberText(value);
        case Json::value_t::object:
            return "[object Object]";
        case Json::value_t::array: {
            std::string text;
            bool first = true;
            for (const Json& element : value) {
                if (!first)
                    text += ',';
                first = false;
                if (depth < kMaxNesting)
                    text += plainText(element, depth + 1);
            }
            return text;
        }
        default:
            return std::string();
    }
}

std::string jsonText(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Nesting depth of a JSON text, counting brackets outside strings.
int nestingDepth(const std::string& text) {
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

void fillError(JsonErrorInfo* error, const std::string& text, size_t byteOffset, int number,
               const std::string& message) {
    if (error == nullptr)
        return;
    *error = JsonErrorInfo();
    error->number = number;
    error->source = "JSON";
    error->description = toGbk(message);
    size_t offset = std::min(byteOffset, text.size());
    size_t lineStart = 0;
    int line = 1;
    for (size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    }
    size_t lineEnd = text.find('\n', lineStart);
    error->text = toGbk(text.substr(
        lineStart, lineEnd == std::string::npos ? std::string::npos : lineEnd - lineStart));
    error->line = line;
    error->column = static_cast<std::int32_t>(offset - lineStart + 1);
}

// Reads a value written by a caller: JSON text when isJson, otherwise the text itself.
std::optional<Json> valueFrom(const std::string& gbkValue, bool isJson) {
    std::string utf8 = toUtf8(gbkValue);
    if (!isJson)
        return Json(std::move(utf8));
    if (nestingDepth(utf8) > kMaxNesting)
        return std::nullopt;
    Json parsed = Json::parse(utf8, nullptr, false);
    if (parsed.is_discarded())
        return std::nullopt;
    return parsed;
}

// Merges source into target: objects member by member, arrays by appending; any other
// member of target takes the source's value.
void extend(Json& target, const Json& source) {
    if (target.is_array()) {
        if (source.is_array())
            for (const Json& element : source)
                target.push_back(element);
        return;
    }
    if (!target.is_object() || !source.is_object()) {
        target = source;
        return;
    }
    for (auto it = source.begin(); it != source.end(); ++it) {
        auto existing = target.find(it.key());
        if (existing != target.end() && (existing->is_object() || existing->is_array()))
            extend(*existing, it.value());
        else
            target[it.key()] = it.value();
    }
}

}  // namespace

JsonDocument::JsonDocument() : root_(std::make_unique<Value>()) {}
JsonDocument::~JsonDocument() = default;
JsonDocument::JsonDocument(const JsonDocument& other)
    : root_(std::make_unique<Value>(*other.root_)) {}
JsonDocument& JsonDocument::operator=(const JsonDocument& other) {
    if (this != &other)
        root_ = std::make_unique<Value>(*other.root_);
    return *this;
}
JsonDocument::JsonDocument(JsonDocument&&) noexcept = default;
JsonDocument& JsonDocument::operator=(JsonDocument&&) noexcept = default;

namespace {

// Steps of a caller's path: relative to the root, or starting with the root's name when
// that names a value; nothing when the path cannot be read.
std::optional<JsonPath> stepsOf(const Json& root, const std::string& gbkPath) {
    std::string path = toUtf8(gbkPath);
    const std::string_view rootName = JsonDocument::kRootName;
    if (path.compare(0, rootName.size(), rootName) == 0) {
        std::string_view rest = std::string_view(path).substr(rootName.size());
        if (rest.empty() || rest.front() == '.' || rest.front() == '[') {
            auto steps = parseJsonPathTail(rest);
            if (steps && isPresent(lookUp(root, *steps)))
                return steps;
        }
    }
    return parseJsonPath(path);
}

Lookup lookUpPath(const Json& root, const std::string& gbkPath) {
    auto steps = stepsOf(root, gbkPath);
    if (!steps)
        return {Found::Broken, nullptr};
    return lookUp(root, *steps);
}

// The slot a write goes to: the root, a member of an existing object (created when new),
// or an element of an existing array (one past its end appends). Null when there is none.
Json* slotFor(Json& root, const std::string& gbkPath) {
    auto steps = stepsOf(root, gbkPath);
    if (!steps)
        return nullptr;
    if (steps->empty())
        return &root;
    JsonPathStep last = steps->back();
    steps->pop_back();
    Lookup parent = lookUp(root, *steps);
    if (parent.found != Found::Value)
        return nullptr;
    Json& container = const_cast<Json&>(*parent.value);
    if (container.is_object())
        return &container[last.isIndex ? std::to_string(last.index) : last.name];
    if (container.is_array() && last.isIndex) {
        if (last.index < container.size())
            return &container[last.index];
        if (last.index == container.size()) {
            container.push_back(nullptr);
            return &container.back();
        }
    }
    return nullptr;
}

const Json* elementOf(const Json* container, std::int32_t index) {
    if (container == nullptr || index < 0)
        return nullptr;
    if (container->is_array())
        return static_cast<size_t>(index) < container->size() ? &(*container)[index] : nullptr;
    if (container->is_object()) {
        auto it = container->find(std::to_string(index));
        return it != container->end() ? &*it : nullptr;
    }
    return nullptr;
}

void collectValues(const Json& value, bool recursive, std::vector<std::string>& out, int depth) {
    for (const Json& member : value) {
        if (member.is_object() || member.is_array()) {
            if (recursive && depth < kMaxNesting)
                collectValues(member, recursive, out, depth + 1);
        } else if (!member.is_null()) {
            out.push_back(toGbk(plainText(member)));
        }
    }
}

}  // namespace

bool JsonDocument::parse(const std::string& text, JsonErrorInfo* error) {
    root_->json = nullptr;
    std::string utf8 = toUtf8(text);
    if (error != nullptr)
        *error = JsonErrorInfo();
    if (nestingDepth(utf8) > kMaxNesting) {
        fillError(error, utf8, 0, 1, "nesting too deep");
        return false;
    }
    try {
        root_->json = Json::parse(utf8);
    } catch (const Json::parse_error& e) {
        root_->json = nullptr;
        fillError(error, utf8, e.byte > 0 ? e.byte - 1 : 0, e.id, e.what());
        return false;
    }
    return !root_->json.is_null();
}

bool JsonDocument::clear() {
    root_->json = Json::object();
    return true;
}

std::string JsonDocument::toJson() const {
    return toGbk(jsonText(root_->json));
}

bool JsonDocument::resolvePath(std::string& path) const {
    const std::string_view rootName = kRootName;
    auto steps = stepsOf(root_->json, path);
    bool present = steps && isPresent(lookUp(root_->json, *steps));
    bool rooted = path.compare(0, rootName.size(), rootName) == 0 && present &&
                  parseJsonPathTail(std::string_view(path).substr(rootName.size())) == steps;
    if (!rooted) {
        if (path.empty())
            path = kRootName;
        else if (path.front() == '[')
            path = kRootName + path;
        else
            path = std::string(kRootName) + "." + path;
    }
    return present;
}

bool JsonDocument::exists(const std::string& path) const {
    return isPresent(lookUpPath(root_->json, path));
}

JsonType JsonDocument::typeOf(const std::string& path) const {
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found == Found::Broken)
        return kJsonBadPath;
    if (lookup.found == Found::Missing || lookup.value->is_null())
        return kJsonNull;
    switch (lookup.value->type()) {
        case Json::value_t::boolean:
            return kJsonBoolean;
        case Json::value_t::number_integer:
        case Json::value_t::number_unsigned:
        case Json::value_t::number_float:
            return kJsonNumber;
        case Json::value_t::object:
            return kJsonObject;
        case Json::value_t::array:
            return kJsonArray;
        case Json::value_t::string:
            return kJsonString;
        default:
            return kJsonBadPath;
    }
}

std::string JsonDocument::getText(const std::string& path, bool asJson) const {
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found != Found::Value)
        return std::string();
    if (asJson)
        return toGbk(jsonText(*lookup.value));
    return toGbk(plainText(*lookup.value));
}

std::string JsonDocument::getJson(const std::string& path) const {
    return getText(path, true);
}

double JsonDocument::getNumber(const std::string& path) const {
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found != Found::Value)
        return 0;
    const Json& value = *lookup.value;
    if (value.is_number())
        return value.get<double>();
    if (value.is_boolean())
        return value.get<bool>() ? 1 : 0;
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        double number = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (ec == std::errc() && end == text.data() + text.size())
            return number;
    }
    return 0;
}

std::int32_t JsonDocument::count(const std::string& path) const {
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found != Found::Value || !lookup.value->is_array())
        return 0;
    return static_cast<std::int32_t>(lookup.value->size());
}

std::int32_t JsonDocument::memberNames(std::vector<std::string>& names,
                                       const std::string& path) const {
    names.clear();
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found == Found::Value && lookup.value->is_object())
        for (auto it = lookup.value->begin(); it != lookup.value->end(); ++it)
            names.push_back(toGbk(it.key()));
    return static_cast<std::int32_t>(names.size());
}

std::int32_t JsonDocument::allValues(std::vector<std::string>& values, const std::string& path,
                                     bool recursive) const {
    values.clear();
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found == Found::Value && lookup.value->is_structured())
        collectValues(*lookup.value, recursive, values, 0);
    return static_cast<std::int32_t>(values.size());
}

JsonDocument JsonDocument::getObject(const std::string& path) const {
    JsonDocument document;
    Lookup lookup = lookUpPath(root_->json, path);
    document.root_->json = lookup.found == Found::Value ? *lookup.value : Json(nullptr);
    return document;
}

JsonDocument JsonDocument::getElementObject(std::int32_t index, const std::string& path) const {
    JsonDocument document;
    Lookup lookup = lookUpPath(root_->json, path);
    const Json* element = elementOf(lookup.value, index);
    document.root_->json = element != nullptr ? *element : Json(nullptr);
    return document;
}

std::string JsonDocument::getElementText(std::int32_t index, const std::string& path,
                                         bool asJson) const {
    Lookup lookup = lookUpPath(root_->json, path);
    const Json* element = elementOf(lookup.value, index);
    if (element == nullptr)
        return std::string();
    if (asJson)
        return toGbk(jsonText(*element));
    if (!element->is_string())
        return std::string();
    return toGbk(element->get_ref<const std::string&>());
}

bool JsonDocument::setValue(const std::string& path, const std::string& value, bool isJson) {
    auto parsed = valueFrom(isJson && value.empty() ? std::string("{}") : value, isJson);
    if (!parsed)
        return false;
    Json* slot = slotFor(root_->json, path);
    if (slot == nullptr)
        return false;
    if (isJson && slot->is_object())
        extend(*slot, *parsed);
    else
        *slot = std::move(*parsed);
    return true;
}

bool JsonDocument::setByExpression(const std::string& path, const std::string& jsonText) {
    auto parsed = valueFrom(jsonText, true);
    if (!parsed)
        return false;
    Json* slot = slotFor(root_->json, path);
    if (slot == nullptr)
        return false;
    *slot = std::move(*parsed);
    return true;
}

bool JsonDocument::setNumber(const std::string& path, double value) {
    Json* slot = slotFor(root_->json, path);
    if (slot == nullptr)
        return false;
    *slot = value;
    return true;
}

bool JsonDocument::arrayAdd(const std::string& element, const std::string& path, bool isJson,
                            bool atFront) {
    auto parsed = valueFrom(element, isJson);
    if (!parsed)
        return false;
    Json* slot = slotFor(root_->json, path);
    if (slot == nullptr)
        return false;
    if (!slot->is_array())
        *slot = Json::array();
    if (atFront)
        slot->insert(slot->begin(), std::move(*parsed));
    else
        slot->push_back(std::move(*parsed));
    return true;
}

bool JsonDocument::setElement(std::int32_t index, const std::string& path, const std::string& value,
                              bool isJson) {
    if (index < 0)
        return false;
    auto parsed = valueFrom(value, isJson);
    if (!parsed)
        return false;
    Json* slot = slotFor(root_->json, path + "[" + std::to_string(index) + "]");
    if (slot == nullptr)
        return false;
    *slot = std::move(*parsed);
    return true;
}

bool JsonDocument::removeElement(std::int32_t index, const std::string& path) {
    Lookup lookup = lookUpPath(root_->json, path);
    if (lookup.found != Found::Value || !lookup.value->is_array() || index < 0 ||
        static_cast<size_t>(index) >= lookup.value->size())
        return false;
    Json& array = const_cast<Json&>(*lookup.value);
    array.erase(array.begin() + index);
    return true;
}

bool JsonDocument::remove(const std::string& path) {
    auto steps = stepsOf(root_->json, path);
    if (!steps || steps->empty())
        return false;
    JsonPathStep last = steps->back();
    steps->pop_back();
    Lookup parent = lookUp(root_->json, *steps);
    if (parent.found != Found::Value)
        return false;
    Json& container = const_cast<Json&>(*parent.value);
    if (container.is_object())
        return container.erase(last.isIndex ? std::to_string(last.index) : last.name) > 0;
    if (container.is_array() && last.isIndex && last.index < container.size()) {
        container[last.index] = nullptr;
        return true;
    }
    return false;
}

}  // namespace kestrum
