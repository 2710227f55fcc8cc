#pragma once

#include <QString>
#include <cstdint>

namespace modulelink {

class HidAgent;

// One HID variable (one usage in one report of one interface) as the program wants it:
// created knowing only report type, usage page, usage and name, bound later to a concrete
// variable of the agent's current interface. While bound it caches the descriptor data and
// forwards value reads and writes to the agent; unbound reads give 0 and writes are
// dropped. Members that guard against agent errors throw HidObjectError.
class TOneHidVar {
  public:
    // Takes the next number of the program-wide debug counter (which must outlive it).
    explicit TOneHidVar(std::int32_t& classDebugCounter);

    void DoCreate(int reportType, std::int32_t usagePage, std::int32_t usage, const QString& name);

    bool Bind(HidAgent& agent);
    void UnBind();
    bool IsBound() const;
    // Reads or writes the report holding this variable; DataIn chooses for feature reports.
    bool Update(bool DataIn);

    int ScaleMode() const;
    void setScaleMode(int mode);
    std::int32_t Tag() const { return tag_; }
    void setTag(std::int32_t tag) { tag_ = tag; }
    // Not used by the console: reads false, writes are ignored.
    bool BoolValue() const { return false; }
    void setBoolValue(bool) {}
    std::int32_t UnScaledValue() const;
    void setUnScaledValue(std::int32_t value);
    std::int32_t ScaledValue() const;
    void setScaledValue(std::int32_t value);

    QString StringDescriptor() const { return stringDescriptor_; }
    QString VarName() const { return varName_; }
    std::int32_t RptIndex() const { return rptIndex_; }
    std::int32_t VarIndex() const { return varIndex_; }
    std::int16_t RptType() const { return rptType_; }
    std::int32_t Usage() const { return usage_; }
    std::int32_t UsagePage() const { return usagePage_; }
    std::int32_t HidHandle() const { return hidHandle_; }
    std::int32_t PhysicalMinimum() const { return physicalMinimum_; }
    std::int32_t PhysicalMaximum() const { return physicalMaximum_; }
    std::int32_t LogicalMinimum() const { return logicalMinimum_; }
    std::int32_t LogicalMaximum() const { return logicalMaximum_; }
    std::int16_t SizeInBits() const;
    bool IsButton() const;
    bool Volatile() const;
    bool NoWrap() const;
    bool NoPrefState() const;
    bool Linear() const;
    bool HasNullState() const;
    bool BitsNotBuffer() const;
    bool ArrayNotVariable() const;
    bool AbsoluteNotRelative() const;

    std::int32_t ClassDebugID() const { return classDebugId_; }

  private:
    void copyDescriptorData(HidAgent& agent);

    std::int32_t classDebugId_ = 0;
    std::int32_t tag_ = 0;
    std::int32_t varIndex_ = -1;
    std::int16_t rptType_ = 0;
    std::int32_t usage_ = 0;
    std::int32_t usagePage_ = 0;
    std::int32_t hidHandle_ = 0;
    std::int32_t rptIndex_ = -1;
    std::int32_t logicalMaximum_ = 0;
    std::int32_t logicalMinimum_ = 0;
    std::int32_t physicalMaximum_ = 0;
    std::int32_t physicalMinimum_ = 0;
    std::int32_t sizeInBits_ = 0;
    HidAgent* agent_ = nullptr;
    QString varName_;
    QString stringDescriptor_;
    bool absoluteNotRelative_ = false;
    bool arrayNotVariable_ = false;
    bool bitsNotBuffer_ = false;
    bool hasNullState_ = false;
    bool linear_ = false;
    bool noPrefState_ = false;
    bool noWrap_ = false;
    bool volatile_ = false;
    bool isButton_ = false;
};

}  // namespace modulelink
