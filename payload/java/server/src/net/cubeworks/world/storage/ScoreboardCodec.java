package net.cubeworks.world.storage;

/**
 * data/scoreboard.dat as the 1.7.2 server keeps its scoreboard: a root compound holding
 * "data" with the lists Objectives (Name, CriteriaName, DisplayName), PlayerScores (Name,
 * Objective, Score) and Teams (Name, DisplayName, Prefix, Suffix, AllowFriendlyFire,
 * SeeFriendlyInvisibles, Players), and DisplaySlots (slot_0 to slot_2, only when one is set).
 * Tags this server does not model, a later version's, are kept and written back.
 */
public final class ScoreboardCodec {
    private ScoreboardCodec() {
    }

    private static NbtCompound keptCopy(Object kept) {
        return kept instanceof NbtCompound ? ((NbtCompound) kept).copy() : new NbtCompound();
    }

    static NbtCompound encode(StoredScoreboard b) {
        NbtCompound root = b.kept instanceof NbtCompound ? ((NbtCompound) b.kept).copy() : new NbtCompound();
        NbtCompound data = keptCopy(root.compound("data"));
        NbtList objectives = new NbtList(Nbt.COMPOUND);
        for (StoredScoreboard.Objective o : b.objectives) {
            NbtCompound c = keptCopy(o.kept);
            c.put("Name", o.name);
            c.put("CriteriaName", o.criteria);
            c.put("DisplayName", o.displayName);
            objectives.add(c);
        }
        NbtList scores = new NbtList(Nbt.COMPOUND);
        for (StoredScoreboard.Score s : b.scores) {
            NbtCompound c = keptCopy(s.kept);
            c.put("Name", s.entry);
            c.put("Objective", s.objective);
            c.put("Score", s.value);
            scores.add(c);
        }
        NbtList teams = new NbtList(Nbt.COMPOUND);
        for (StoredScoreboard.Team t : b.teams) {
            NbtCompound c = keptCopy(t.kept);
            c.put("Name", t.name);
            c.put("DisplayName", t.displayName);
            c.put("Prefix", t.prefix);
            c.put("Suffix", t.suffix);
            c.put("AllowFriendlyFire", (byte) (t.friendlyFire ? 1 : 0));
            c.put("SeeFriendlyInvisibles", (byte) (t.seeInvisibles ? 1 : 0));
            NbtList players = new NbtList(Nbt.STRING);
            for (String p : t.players) {
                players.add(p);
            }
            c.put("Players", players);
            teams.add(c);
        }
        data.put("Objectives", objectives);
        data.put("PlayerScores", scores);
        data.put("Teams", teams);
        NbtCompound slots = keptCopy(data.compound("DisplaySlots"));
        for (int i = 0; i < StoredScoreboard.SLOTS; i++) {
            slots.remove("slot_" + i);
            if (b.slots[i] != null) {
                slots.put("slot_" + i, b.slots[i]);
            }
        }
        if (slots.size() > 0) {
            data.put("DisplaySlots", slots);
        } else {
            data.remove("DisplaySlots");
        }
        root.put("data", data);
        return root;
    }

    /** The compounds of a list tag; none when it is missing or holds other tags. */
    private static Iterable<NbtCompound> compounds(NbtCompound c, String name) throws Nbt.FormatException {
        NbtList l = c.list(name);
        java.util.List<NbtCompound> out = new java.util.ArrayList<NbtCompound>();
        if (l == null) {
            if (c.has(name)) {
                throw new Nbt.FormatException(name + " is not a list");
            }
            return out;
        }
        for (int i = 0; i < l.size(); i++) {
            if (!(l.get(i) instanceof NbtCompound)) {
                throw new Nbt.FormatException(name + " holds something other than compounds");
            }
            out.add((NbtCompound) l.get(i));
        }
        return out;
    }

    /** The record's own tags taken out, the rest kept. */
    private static NbtCompound rest(NbtCompound c, String... known) {
        NbtCompound r = c.copy();
        for (String k : known) {
            r.remove(k);
        }
        return r.size() > 0 ? r : null;
    }

    private static String name(NbtCompound c, String tag, String what) throws Nbt.FormatException {
        String v = c.string(tag, null);
        if (v == null) {
            throw new Nbt.FormatException("a" + what + " has no " + tag);
        }
        return v;
    }

    static StoredScoreboard decode(NbtCompound root) throws Nbt.FormatException {
        NbtCompound data = root.compound("data");
        if (data == null) {
            throw new Nbt.FormatException("it has no data compound");
        }
        StoredScoreboard b = new StoredScoreboard();
        for (NbtCompound c : compounds(data, "Objectives")) {
            String name = name(c, "Name", "n objective");
            StoredScoreboard.Objective o = new StoredScoreboard.Objective(name, c.string("CriteriaName", "dummy"),
                    c.string("DisplayName", name));
            o.kept = rest(c, "Name", "CriteriaName", "DisplayName");
            b.objectives.add(o);
        }
        for (NbtCompound c : compounds(data, "PlayerScores")) {
            StoredScoreboard.Score s = new StoredScoreboard.Score(name(c, "Name", " score"),
                    name(c, "Objective", " score"), (int) c.number("Score", 0));
            s.kept = rest(c, "Name", "Objective", "Score");
            b.scores.add(s);
        }
        for (NbtCompound c : compounds(data, "Teams")) {
            StoredScoreboard.Team t = new StoredScoreboard.Team(name(c, "Name", " team"));
            t.displayName = c.string("DisplayName", t.name);
            t.prefix = c.string("Prefix", "");
            t.suffix = c.string("Suffix", "");
            t.friendlyFire = c.number("AllowFriendlyFire", 1) != 0;
            t.seeInvisibles = c.number("SeeFriendlyInvisibles", 0) != 0;
            NbtList players = c.list("Players");
            if (players != null) {
                for (int i = 0; i < players.size(); i++) {
                    if (players.get(i) instanceof String) {
                        t.players.add((String) players.get(i));
                    }
                }
            }
            t.kept = rest(c, "Name", "DisplayName", "Prefix", "Suffix", "AllowFriendlyFire", "SeeFriendlyInvisibles",
                    "Players");
            b.teams.add(t);
        }
        NbtCompound slots = data.compound("DisplaySlots");
        if (slots != null) {
            for (int i = 0; i < StoredScoreboard.SLOTS; i++) {
                b.slots[i] = slots.string("slot_" + i, null);
            }
        }
        b.kept = root;
        return b;
    }
}
