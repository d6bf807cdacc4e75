#include "core/variant.h"

namespace qor {

namespace {

[[noreturn]] void WrongType() { RaiseError(kErrTypeMismatch); }

}  // namespace

Variant::Variant(const Variant& other) = default;
Variant::Variant(Variant&& other) noexcept = default;
Variant& Variant::operator=(const Variant& other) = default;
Variant& Variant::operator=(Variant&& other) noexcept = default;
Variant::~Variant() = default;

Variant Variant::Null() {
  Variant value;
  value.m_Type = VarType::Null;
  return value;
}

Variant Variant::Date(double oleDate) {
  Variant value(oleDate);
  value.m_Type = VarType::Date;
  return value;
}

bool Variant::IsNumber() const {
  return m_Type == VarType::Long || m_Type == VarType::Double || m_Type == VarType::Boolean;
}

bool Variant::BoolValue() const {
  if (m_Type != VarType::Boolean) WrongType();
  return std::get<bool>(m_Value);
}

int32_t Variant::LongValue() const {
  if (m_Type != VarType::Long) WrongType();
  return std::get<int32_t>(m_Value);
}

double Variant::DoubleValue() const {
  if (m_Type != VarType::Double && m_Type != VarType::Date) WrongType();
  return std::get<double>(m_Value);
}

const std::string& Variant::StringValue() const {
  if (m_Type != VarType::String) WrongType();
  return std::get<std::string>(m_Value);
}

const ObjectPtr& Variant::ObjectValue() const {
  static const ObjectPtr kNothing;
  if (m_Type != VarType::Object) return kNothing;
  return std::get<ObjectPtr>(m_Value);
}

std::string Variant::VarTypeName() const {
  switch (m_Type) {
    case VarType::Empty:
      return "Empty";
    case VarType::Null:
      return "Null";
    case VarType::Boolean:
      return "Boolean";
    case VarType::Long:
      return "Long";
    case VarType::Double:
      return "Double";
    case VarType::String:
      return "String";
    case VarType::Date:
      return "Date";
    case VarType::Object: {
      const ObjectPtr& object = std::get<ObjectPtr>(m_Value);
      return object ? object->TypeName() : "Nothing";
    }
  }
  return "Empty";
}

}  // namespace qor
