// Base of the framework's classes: run-time class records with the class's
// name and, for dynamically creatable classes, a factory.
#pragma once

#include "framework/core/Win32Types.h"

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  CObject* (*m_pfnCreateObject)();  // null unless the class is dynamically creatable
  const CRuntimeClass* m_pBaseClass;
  const CRuntimeClass* m_pNextClass;  // every record, linked at start-up for FromName

  // A new object of this class, or null when the class is not creatable.
  CObject* CreateObject() const;
  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
  // The record of a class declared dynamic somewhere in the program, or null.
  static const CRuntimeClass* FromName(const char* className);
};

// Links a record into the list that FromName walks; one per IMPLEMENT_ macro.
struct CRuntimeClassRegistration {
  explicit CRuntimeClassRegistration(CRuntimeClass* record);
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* cls) const;
  static const CRuntimeClass* GetThisClass();

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (cls::GetThisClass())

#define DECLARE_DYNAMIC(cls)                  \
 public:                                      \
  static const CRuntimeClass* GetThisClass(); \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
  DECLARE_DYNAMIC(cls)         \
  static CObject* CreateObject();

#define OMB_IMPLEMENT_RUNTIMECLASS(cls, base, factory)                                                     \
  static CRuntimeClass omb_class_##cls = {#cls, (int)sizeof(cls), factory, base::GetThisClass(), nullptr}; \
  static CRuntimeClassRegistration omb_register_##cls(&omb_class_##cls);                                   \
  const CRuntimeClass* cls::GetThisClass() {                                                               \
    return &omb_class_##cls;                                                                               \
  }                                                                                                        \
  const CRuntimeClass* cls::GetRuntimeClass() const {                                                      \
    return &omb_class_##cls;                                                                               \
  }

#define IMPLEMENT_DYNAMIC(cls, base) OMB_IMPLEMENT_RUNTIMECLASS(cls, base, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base) \
  CObject* cls::CreateObject() {       \
    return new cls;                    \
  }                                    \
  OMB_IMPLEMENT_RUNTIMECLASS(cls, base, &cls::CreateObject)
