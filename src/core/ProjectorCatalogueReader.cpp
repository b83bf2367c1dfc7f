// Reading the own projector catalogue's JSON text straight into projectors, event by
// event (no document tree): memory and time stay proportional to what the file
// rightly holds, whatever else it holds, and each error knows exactly where it is.
// See ProjectorCatalogue.h.
#include "core/ProjectorCatalogue.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <new>

namespace
{

using json = nlohmann::json;

// What a nested object or array of the file is.
enum class EFrame
{
    Root,
    Projectors,
    Projector,
    Panel,
    Throw,
    Shift,
    Lens,
    Envelope, // [[h, v], ...]
    Pair,     // [a, b] of numbers
    Skip      // anything after the first error
};

// The keys of each object, in the order their bits count.
const std::vector<std::string_view>& KeysOf(EFrame eKind)
{
    static const std::vector<std::string_view> kRoot = {"lenvara-projectors", "projectors"};
    static const std::vector<std::string_view> kProjector = {
        "name",          "class", "panel",      "lumens",  "throw",
        "shift_percent", "lens",  "distance_m", "picture", "shift_envelope"};
    static const std::vector<std::string_view> kPanel = {"width_px", "height_px", "pitch_um"};
    static const std::vector<std::string_view> kThrow = {"4:3", "16:9", "2.35:1"};
    static const std::vector<std::string_view> kShift = {"up", "down", "left", "right", "of"};
    static const std::vector<std::string_view> kLens = {"radius_mm", "h_offsets_mm",
                                                        "v_offsets_mm"};
    static const std::vector<std::string_view> kNone;
    switch (eKind)
    {
    case EFrame::Root:
        return kRoot;
    case EFrame::Projector:
        return kProjector;
    case EFrame::Panel:
        return kPanel;
    case EFrame::Throw:
        return kThrow;
    case EFrame::Shift:
        return kShift;
    case EFrame::Lens:
        return kLens;
    default:
        return kNone;
    }
}

enum EProjectorKey
{
    kKeyName,
    kKeyClass,
    kKeyPanel,
    kKeyLumens,
    kKeyThrow,
    kKeyShift,
    kKeyLens,
    kKeyDistance,
    kKeyPicture,
    kKeyEnvelope
};

// Where the two numbers of a pair go.
enum EPairTarget
{
    kPairThrow0, // + aspect code
    kPairDistance = 3,
    kPairHOffsets,
    kPairVOffsets,
    kPairEnvelope // the outline's last point
};

struct SFrame
{
    EFrame eKind = EFrame::Skip;
    bool bArray = false;
    std::string szKey;       // object: the key of the value in progress
    int nKey = -1;           // its index in KeysOf
    std::size_t nIndex = 0;  // array: the index of the value in progress
    std::uint32_t nSeen = 0; // object: bits of the keys given
    int nPair = 0;           // Pair: an EPairTarget
};

// A scalar of the file, as the fields need it.
struct SScalar
{
    const char* pszType; // "a number", "a text", ...
    bool bNumber = false;
    double d = 0.0;
    std::string* pText = nullptr;
};

bool IsPlainKey(std::string_view key)
{
    if (key.empty())
        return false;
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
              c == '_' || c == '-'))
            return false;
    return true;
}

// What a value under this key of this object (or in this array) must be.
const char* Expected(EFrame eParent, int nKey)
{
    switch (eParent)
    {
    case EFrame::Root:
        return nKey == 0 ? "must be 1" : "must be a list of projectors";
    case EFrame::Projectors:
        return "must be an object";
    case EFrame::Projector:
        switch (nKey)
        {
        case kKeyName:
        case kKeyClass:
        case kKeyPicture:
            return "must be a text";
        case kKeyLumens:
            return "must be a number";
        case kKeyDistance:
            return "must be [nearest, farthest]";
        case kKeyEnvelope:
            return "must be a list of [horizontal, vertical] points";
        default:
            return "must be an object";
        }
    case EFrame::Throw:
        return "must be [wide, tele]";
    case EFrame::Shift:
        return nKey == 4 ? "must be \"image\" or \"half-image\"" : "must be a number";
    case EFrame::Lens:
        return nKey == 0 ? "must be a number" : "must be [first, second]";
    case EFrame::Envelope:
        return "must be [horizontal, vertical]";
    default:
        return "must be a number";
    }
}

// The kind of an object or array under this key of this parent; Skip when it may not
// stand there.
EFrame ChildKind(EFrame eParent, int nKey, bool bArray)
{
    if (eParent == EFrame::Root && nKey == 1 && bArray)
        return EFrame::Projectors;
    if (eParent == EFrame::Projectors && !bArray)
        return EFrame::Projector;
    if (eParent == EFrame::Projector && nKey == kKeyEnvelope)
        return bArray ? EFrame::Envelope : EFrame::Skip;
    if (eParent == EFrame::Projector && !bArray)
    {
        switch (nKey)
        {
        case kKeyPanel:
            return EFrame::Panel;
        case kKeyThrow:
            return EFrame::Throw;
        case kKeyShift:
            return EFrame::Shift;
        case kKeyLens:
            return EFrame::Lens;
        default:
            return EFrame::Skip;
        }
    }
    const bool bPair = (eParent == EFrame::Projector && nKey == kKeyDistance) ||
                       eParent == EFrame::Throw || eParent == EFrame::Envelope ||
                       (eParent == EFrame::Lens && nKey > 0);
    return bPair && bArray ? EFrame::Pair : EFrame::Skip;
}

class CCatalogueSax
{
public:
    explicit CCatalogueSax(const std::string& szFile) : m_szFile(szFile) {}

    bool null() { return Scalar({"null"}); }
    bool boolean(bool) { return Scalar({"true or false"}); }
    bool number_integer(json::number_integer_t n)
    {
        return Scalar({"a number", true, static_cast<double>(n)});
    }
    bool number_unsigned(json::number_unsigned_t n)
    {
        return Scalar({"a number", true, static_cast<double>(n)});
    }
    bool number_float(json::number_float_t d, const json::string_t&)
    {
        return Scalar({"a number", true, d});
    }
    bool string(json::string_t& s) { return Scalar({"a text", false, 0.0, &s}); }
    bool binary(json::binary_t&) { return Scalar({"binary data"}); }
    bool start_object(std::size_t) { return Open(false); }
    bool start_array(std::size_t) { return Open(true); }
    bool key(json::string_t& k);
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }
    bool parse_error(std::size_t, const std::string&, const json::exception& ex);

    // The result once the parse has ended.
    SCatalogueRead Finish();
    // An error that ends the reading (the text is not JSON, nested too deep, ...).
    bool Stop(std::string szReason);

private:
    bool Scalar(const SScalar& v);
    std::optional<std::string> Store(const SFrame& f, const SScalar& v);
    std::optional<std::string> StoreNumber(const SScalar& v, double& dTarget);
    bool Open(bool bArray);
    void StartChild(EFrame eKind, SFrame& child);
    bool Close();
    void CloseProjector(const SFrame& f);
    bool CheckRequired(const SFrame& f, std::uint32_t nRequired);
    void AfterValue();
    double& PairSlot(int nPair, std::size_t nIndex);
    std::string VersionProblem() const;

    // Records the first error at the frames' path, the top frame's own position
    // replaced by szLeaf when given ("" leaves it out; szLeaf is used as it is).
    bool Fail(std::string szReason, std::optional<std::string> szLeaf = std::nullopt);
    bool Skipping() const { return m_error.has_value(); }

    const std::string& m_szFile;
    std::vector<SFrame> m_frames;
    std::vector<SOwnProjector> m_projectors;
    SOwnProjector m_current;
    CProjectorNameSet m_names;
    std::optional<SCatalogueError> m_error;
    bool m_bStopped = false; // the parse ended at the error
    bool m_bHaveProjectors = false;
    std::optional<double> m_dVersion;
    const char* m_pszVersionType = nullptr; // a version that is not a number
};

bool CCatalogueSax::Fail(std::string szReason, std::optional<std::string> szLeaf)
{
    if (m_error)
        return true;
    SCatalogueError error{m_szFile, -1, "", "", std::move(szReason)};
    std::size_t nFirst = 0;
    if (m_frames.size() >= 2 && m_frames[1].eKind == EFrame::Projectors)
    {
        error.nProjector = static_cast<int>(m_frames[1].nIndex);
        nFirst = 2;
        if (m_frames.size() >= 3 && (m_frames[2].nSeen & (1u << kKeyName)) != 0)
            error.szProjector = m_current.szName;
    }
    for (std::size_t i = nFirst; i < m_frames.size(); ++i)
    {
        const SFrame& f = m_frames[i];
        const bool bLeaf = i + 1 == m_frames.size() && szLeaf.has_value();
        std::string szStep;
        if (bLeaf)
            szStep = *szLeaf;
        else if (f.bArray)
            szStep = "[" + std::to_string(f.nIndex) + "]";
        else
            szStep = IsPlainKey(f.szKey)
                         ? f.szKey
                         : json(f.szKey).dump(-1, ' ', false, json::error_handler_t::replace);
        if (!error.szField.empty() && !szStep.empty() && szStep[0] != '[')
            error.szField += '.';
        error.szField += szStep;
    }
    m_error = std::move(error);
    return true;
}

bool CCatalogueSax::Stop(std::string szReason)
{
    m_error.reset();
    Fail(std::move(szReason));
    m_bStopped = true;
    return false;
}

bool CCatalogueSax::parse_error(std::size_t, const std::string&, const json::exception& ex)
{
    // "[json.exception.parse_error.101] parse error at line 1, column 9: ..." without
    // the library's prefix.
    std::string szWhat = ex.what();
    const std::size_t nEnd = szWhat.find("] ");
    if (szWhat.rfind("[json.exception.", 0) == 0 && nEnd != std::string::npos)
        szWhat.erase(0, nEnd + 2);
    return Stop(szWhat);
}

bool CCatalogueSax::key(json::string_t& k)
{
    SFrame& f = m_frames.back();
    f.szKey = k;
    f.nKey = -1;
    const std::vector<std::string_view>& keys = KeysOf(f.eKind);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == k)
            f.nKey = static_cast<int>(i);
    if (f.eKind == EFrame::Skip)
        return true;
    if (f.nKey < 0)
        return Fail("not a field of this format");
    if ((f.nSeen & (1u << f.nKey)) != 0)
        return Fail("given twice");
    f.nSeen |= 1u << f.nKey;
    return true;
}

double& CCatalogueSax::PairSlot(int nPair, std::size_t nIndex)
{
    if (nPair < kPairDistance)
    {
        SThrowPair& pair = *m_current.throws[nPair];
        return nIndex == 0 ? pair.dWide : pair.dTele;
    }
    if (nPair == kPairDistance)
        return nIndex == 0 ? m_current.distance->dMin : m_current.distance->dMax;
    if (nPair == kPairEnvelope)
        return nIndex == 0 ? m_current.shiftEnvelope->back().dH
                           : m_current.shiftEnvelope->back().dV;
    return nPair == kPairHOffsets ? m_current.lens->hOffsets[nIndex]
                                  : m_current.lens->vOffsets[nIndex];
}

bool CCatalogueSax::Scalar(const SScalar& v)
{
    if (m_frames.empty())
        return Stop("must hold one JSON object, not " + std::string(v.pszType));
    SFrame& f = m_frames.back();
    if (f.eKind == EFrame::Root && f.nKey == 0)
    {
        m_dVersion = v.bNumber ? v.d : -1.0;
        m_pszVersionType = v.bNumber ? nullptr : v.pszType;
    }
    else if (Skipping())
        ;
    else if (f.eKind == EFrame::Projectors)
        Fail("must be an object", "");
    else if (f.eKind == EFrame::Pair && f.nIndex >= 2)
        Fail("must hold two numbers", "");
    else if (std::optional<std::string> szWhy = Store(f, v))
        Fail(std::move(*szWhy));
    AfterValue();
    return true;
}

std::optional<std::string> CCatalogueSax::StoreNumber(const SScalar& v, double& dTarget)
{
    if (!v.bNumber)
        return "must be a number";
    dTarget = v.d;
    return std::nullopt;
}

// Stores a scalar where it stands; the reason when it may not stand there.
std::optional<std::string> CCatalogueSax::Store(const SFrame& f, const SScalar& v)
{
    switch (f.eKind)
    {
    case EFrame::Pair:
        return StoreNumber(v, PairSlot(f.nPair, f.nIndex));
    case EFrame::Panel:
        if (f.nKey == 2)
            return StoreNumber(v, m_current.dPitchUm);
        if (!v.bNumber || v.d != std::floor(v.d) || v.d < 1.0 || v.d > 16384.0)
            return "must be a whole number from 1 to 16384";
        (f.nKey == 0 ? m_current.nWidthPx : m_current.nHeightPx) = static_cast<int>(v.d);
        return std::nullopt;
    case EFrame::Shift:
    {
        SShiftPercent& shift = *m_current.shift;
        double* const pValues[4] = {&shift.dUp, &shift.dDown, &shift.dLeft, &shift.dRight};
        if (f.nKey < 4)
            return StoreNumber(v, *pValues[f.nKey]);
        if (v.pText == nullptr || (*v.pText != "image" && *v.pText != "half-image"))
            return Expected(f.eKind, f.nKey);
        shift.eOf = *v.pText == "image" ? EShiftOf::Image : EShiftOf::HalfImage;
        return std::nullopt;
    }
    case EFrame::Lens:
        if (f.nKey == 0)
            return StoreNumber(v, m_current.lens->dRadius);
        return Expected(f.eKind, f.nKey);
    case EFrame::Projector:
        if (f.nKey == kKeyLumens)
            return StoreNumber(v, m_current.dLumens);
        if ((f.nKey != kKeyName && f.nKey != kKeyClass && f.nKey != kKeyPicture) ||
            v.pText == nullptr)
            return Expected(f.eKind, f.nKey);
        if (f.nKey == kKeyPicture && v.pText->empty())
            return "must name a PNG, JPEG or BMP file";
        (f.nKey == kKeyName    ? m_current.szName
         : f.nKey == kKeyClass ? m_current.szClass
                               : m_current.szPicture) = std::move(*v.pText);
        return std::nullopt;
    default:
        return Expected(f.eKind, f.nKey);
    }
}

void CCatalogueSax::AfterValue()
{
    if (!m_frames.empty() && m_frames.back().bArray)
        ++m_frames.back().nIndex;
}

bool CCatalogueSax::Open(bool bArray)
{
    if (m_frames.size() >= kCatalogueDepthMax)
        return Stop("nested deeper than " + std::to_string(kCatalogueDepthMax) + " levels");
    SFrame child;
    child.bArray = bArray;
    if (m_frames.empty())
    {
        if (bArray)
            return Stop("must hold one JSON object, not a list");
        child.eKind = EFrame::Root;
        m_frames.push_back(std::move(child));
        return true;
    }
    const SFrame& parent = m_frames.back();
    const EFrame eKind = ChildKind(parent.eKind, parent.nKey, bArray);
    if (parent.eKind == EFrame::Root && parent.nKey == 0)
        m_dVersion = -1.0, m_pszVersionType = bArray ? "a list" : "an object";
    else if (Skipping() || parent.eKind == EFrame::Skip)
        ;
    else if (eKind == EFrame::Skip)
        Fail(Expected(parent.eKind, parent.nKey),
             parent.eKind == EFrame::Projectors ? std::optional<std::string>("") : std::nullopt);
    else if (eKind == EFrame::Projector && parent.nIndex >= kOwnProjectorsMax)
        Fail("more than " + std::to_string(kOwnProjectorsMax) + " projectors", "");
    else if (parent.eKind == EFrame::Envelope && parent.nIndex >= kShiftEnvelopePointsMax)
        Fail("more than " + std::to_string(kShiftEnvelopePointsMax) + " points", "");
    else
        StartChild(eKind, child);
    m_frames.push_back(std::move(child));
    return true;
}

void CCatalogueSax::StartChild(EFrame eKind, SFrame& child)
{
    child.eKind = eKind;
    const SFrame& parent = m_frames.back();
    switch (eKind)
    {
    case EFrame::Projector:
        m_current = SOwnProjector{};
        break;
    case EFrame::Shift:
        m_current.shift.emplace();
        break;
    case EFrame::Lens:
        m_current.lens.emplace();
        break;
    case EFrame::Envelope:
        m_current.shiftEnvelope.emplace();
        break;
    case EFrame::Pair:
        if (parent.eKind == EFrame::Throw)
        {
            child.nPair = kPairThrow0 + parent.nKey;
            m_current.throws[parent.nKey].emplace();
        }
        else if (parent.eKind == EFrame::Lens)
            child.nPair = parent.nKey == 1 ? kPairHOffsets : kPairVOffsets;
        else if (parent.eKind == EFrame::Envelope)
        {
            child.nPair = kPairEnvelope;
            m_current.shiftEnvelope->emplace_back();
        }
        else
        {
            child.nPair = kPairDistance;
            m_current.distance.emplace();
        }
        break;
    default:
        break;
    }
}

bool CCatalogueSax::CheckRequired(const SFrame& f, std::uint32_t nRequired)
{
    const std::vector<std::string_view>& keys = KeysOf(f.eKind);
    for (std::size_t i = 0; i < keys.size(); ++i)
        if ((nRequired & ~f.nSeen & (1u << i)) != 0)
        {
            Fail("missing", std::string(keys[i]));
            return false;
        }
    return true;
}

void CCatalogueSax::CloseProjector(const SFrame& f)
{
    const std::uint32_t nRequired =
        (1u << kKeyName) | (1u << kKeyPanel) | (1u << kKeyLumens) | (1u << kKeyThrow);
    if (!CheckRequired(f, nRequired))
        return;
    if (std::optional<SFieldError> error = ValidateOwnProjector(m_current))
        Fail(std::move(error->szReason), std::move(error->szField));
    else if (std::optional<std::string> szWhy =
                 m_names.Claim(m_current.szName, static_cast<int>(m_projectors.size())))
        Fail(std::move(*szWhy), "name");
    else
        m_projectors.push_back(std::move(m_current));
}

bool CCatalogueSax::Close()
{
    const SFrame& f = m_frames.back();
    if (f.eKind == EFrame::Root)
        m_bHaveProjectors = (f.nSeen & 2u) != 0;
    if (Skipping())
        ;
    else if (f.eKind == EFrame::Projector)
        CloseProjector(f);
    else if (f.eKind == EFrame::Panel || f.eKind == EFrame::Lens)
        CheckRequired(f, 7u);
    else if (f.eKind == EFrame::Throw && f.nSeen == 0)
        Fail("must give the [wide, tele] pair of 4:3, 16:9 or 2.35:1", "");
    else if (f.eKind == EFrame::Pair && f.nIndex != 2)
        Fail("must hold two numbers", "");
    m_frames.pop_back();
    AfterValue();
    return true;
}

std::string CCatalogueSax::VersionProblem() const
{
    if (m_pszVersionType != nullptr)
        return std::string("must be 1, not ") + m_pszVersionType;
    const double d = *m_dVersion;
    if (d == std::floor(d) && d >= 0.0 && d < 1e9)
        return "version " + std::to_string(static_cast<long>(d)) +
               " is not supported (this program reads version 1)";
    return "must be 1";
}

SCatalogueRead CCatalogueSax::Finish()
{
    SCatalogueRead result;
    if (m_bStopped)
        result.error = m_error;
    else if (!m_dVersion)
        result.error = SCatalogueError{m_szFile, -1, "", "lenvara-projectors",
                                       "missing: not a projector catalogue of this program"};
    else if (*m_dVersion != kCatalogueVersion)
        result.error = SCatalogueError{m_szFile, -1, "", "lenvara-projectors", VersionProblem()};
    else if (m_error)
        result.error = m_error;
    else if (!m_bHaveProjectors)
        result.error = SCatalogueError{m_szFile, -1, "", "projectors", "missing"};
    else
        result.projectors = std::move(m_projectors);
    return result;
}

} // namespace

SCatalogueRead ParseProjectorCatalogue(std::string_view text, const std::string& szFile)
{
    CCatalogueSax sax(szFile);
    try
    {
        json::sax_parse(text.begin(), text.end(), &sax, json::input_format_t::json, true, false);
    }
    catch (const std::bad_alloc&)
    {
        sax.Stop("too large to read: out of memory");
    }
    catch (const std::exception& e)
    {
        sax.Stop(e.what());
    }
    return sax.Finish();
}
