#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

#include "core/object.h"

namespace qor {

enum class VarType { Empty, Null, Boolean, Long, Double, String, Date, Object };

// A variant value as the product passes it: field values, dictionary
// entries, component arguments. Dates are OLE dates (days since 1899-12-30).
class Variant {
 public:
  Variant() = default;  // Empty
  Variant(bool value) : m_Type(VarType::Boolean), m_Value(value) {}
  Variant(int32_t value) : m_Type(VarType::Long), m_Value(value) {}
  Variant(double value) : m_Type(VarType::Double), m_Value(value) {}
  Variant(const char* value) : m_Type(VarType::String), m_Value(std::string(value)) {}
  Variant(std::string value) : m_Type(VarType::String), m_Value(std::move(value)) {}
  Variant(ObjectPtr value) : m_Type(VarType::Object), m_Value(std::move(value)) {}
  template <class T, class = std::enable_if_t<std::is_base_of_v<Object, T>>>
  Variant(std::shared_ptr<T> value)
      : m_Type(VarType::Object), m_Value(ObjectPtr(std::move(value))) {}

  // Copies and moves are out of line: inlined, g++ 12 at -O2 reports the
  // alternatives of the inner std::variant as maybe-uninitialized.
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  static Variant Null();
  static Variant Date(double oleDate);

  VarType Type() const { return m_Type; }
  bool IsEmpty() const { return m_Type == VarType::Empty; }
  bool IsNull() const { return m_Type == VarType::Null; }
  bool IsObject() const { return m_Type == VarType::Object; }
  bool IsString() const { return m_Type == VarType::String; }
  bool IsDate() const { return m_Type == VarType::Date; }
  // Long, Double or Boolean.
  bool IsNumber() const;

  // Raw accessors: the variant must hold that type (checked, error 13).
  bool BoolValue() const;
  int32_t LongValue() const;
  double DoubleValue() const;  // Double or Date
  const std::string& StringValue() const;
  const ObjectPtr& ObjectValue() const;  // nullptr unless an Object

  // Name of the held type as VB's TypeName reports it ("Empty", "Long"...).
  std::string VarTypeName() const;

 private:
  VarType m_Type = VarType::Empty;
  std::variant<std::monostate, bool, int32_t, double, std::string, ObjectPtr> m_Value;
};

}  // namespace qor
