#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Event.h"
#include "platform/core/Persistent.h"

namespace qp {

// Lines of text, each with an object slot. Concrete lists store them (TStringList); controls
// present their items through this interface. Index errors raise EListError.
class TStrings : public TPersistent {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  virtual int Count() const = 0;
  virtual std::string Strings(int index) const = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObject(int index, TObject* object) = 0;
  virtual void InsertObject(int index, const std::string& text, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Replaces a line's text and keeps its object.
  virtual void SetString(int index, const std::string& text);
  // Answers the index of the new line, which a sorted list chooses itself.
  virtual int AddObject(const std::string& text, TObject* object);

  int Add(const std::string& text) { return AddObject(text, nullptr); }
  void Insert(int index, const std::string& text) { InsertObject(index, text, nullptr); }
  void AddStrings(const TStrings& lines);

  // The first line equal to text without regard to letter case (of the code page), or -1.
  virtual int IndexOf(std::string_view text) const;
  // The first line equal to text byte for byte, or -1.
  int IndexOfExact(std::string_view text) const;
  int IndexOfObject(const TObject* object) const;

  // The lines joined, each ended by CR LF; setting splits at CR LF, CR or LF.
  std::string Text() const;
  void SetText(std::string_view text);

  // Copies the lines and their objects of another TStrings.
  void Assign(const TPersistent& source) override;

  // Changes between BeginUpdate and the matching EndUpdate are announced once, at the end.
  void BeginUpdate();
  void EndUpdate();

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  int UpdateCount() const { return updateCount_; }

 private:
  int updateCount_ = 0;
};

// A list that stores its lines. Sorted keeps them in order without regard to letter case; it is
// off by default, so lines stay in the order they were added.
class TStringList : public TStrings {
 public:
  static const TClass& ClassInfo();
  const TClass& ClassType() const override { return ClassInfo(); }

  int Count() const override { return static_cast<int>(lines_.size()); }
  std::string Strings(int index) const override;
  // The stored line itself, for searches that must not copy every line they look at.
  const std::string& LineAt(int index) const { return At(index).Text; }
  TObject* Objects(int index) const override;
  void SetObject(int index, TObject* object) override;
  void SetString(int index, const std::string& text) override;
  void InsertObject(int index, const std::string& text, TObject* object) override;
  int AddObject(const std::string& text, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  int IndexOf(std::string_view text) const override;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  void Sort();
  // Binary search of a sorted list: true and the index when found, else the insertion point.
  bool Find(std::string_view text, int& index) const;

  TNotifyEvent OnChange;

 protected:
  void SetUpdateState(bool updating) override;
  // Announces a change, unless an update is in progress.
  virtual void Changed();

 private:
  struct Line {
    std::string Text;
    TObject* Object;
  };
  const Line& At(int index) const;

  std::vector<Line> lines_;
  bool sorted_ = false;
};

}  // namespace qp
