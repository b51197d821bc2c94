#include "framework/core/CObject.h"

#include <cstring>

namespace {
CRuntimeClass objectClass = {"CObject", (int)sizeof(CObject), nullptr, nullptr, nullptr};

// Function-local so that registrations from other files' static
// initialisers find it ready, whatever the initialisation order.
const CRuntimeClass*& FirstClass() {
  static const CRuntimeClass* first = &objectClass;
  return first;
}
}  // namespace

CRuntimeClassRegistration::CRuntimeClassRegistration(CRuntimeClass* record) {
  record->m_pNextClass = FirstClass();
  FirstClass() = record;
}

CObject* CRuntimeClass::CreateObject() const {
  return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass) {
    if (cls == base) return TRUE;
  }
  return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
  if (!className) return nullptr;
  for (const CRuntimeClass* cls = FirstClass(); cls; cls = cls->m_pNextClass) {
    if (std::strcmp(cls->m_lpszClassName, className) == 0) return cls;
  }
  return nullptr;
}

const CRuntimeClass* CObject::GetThisClass() {
  return &objectClass;
}

const CRuntimeClass* CObject::GetRuntimeClass() const {
  return &objectClass;
}

BOOL CObject::IsKindOf(const CRuntimeClass* cls) const {
  return GetRuntimeClass()->IsDerivedFrom(cls);
}
