#include <gtest/gtest.h>

#include "framework/core/CFile.h"
#include "framework/core/CObject.h"

namespace {

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape {
  DECLARE_DYNCREATE(CCircle)

 public:
  int radius = 3;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)

TEST(CObject, RuntimeClassesKnowTheirNamesAndBases) {
  CCircle circle;
  EXPECT_STREQ(circle.GetRuntimeClass()->m_lpszClassName, "CCircle");
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(circle.IsKindOf(RUNTIME_CLASS(CFile)));
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);  // dynamic only
}

TEST(CObject, DynamicCreationByName) {
  const CRuntimeClass* cls = CRuntimeClass::FromName("CCircle");
  ASSERT_EQ(cls, RUNTIME_CLASS(CCircle));
  CObject* object = cls->CreateObject();
  ASSERT_NE(object, nullptr);
  EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CCircle)));
  EXPECT_EQ(static_cast<CCircle*>(object)->radius, 3);
  delete object;
  EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
  EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
}

}  // namespace
