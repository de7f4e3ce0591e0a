package net.cubeworks.world.storage;

import static org.junit.Assert.assertArrayEquals;
import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.io.File;
import java.util.Arrays;

import org.junit.Test;

/** data/scoreboard.dat in the game's layout: read, written back with what is not modelled, and broken files. */
public class ScoreboardFileTest {
    /** A file as the game writes it, with a later version's tags beside. */
    private static NbtCompound gameFile() {
        NbtCompound kills = new NbtCompound().put("Name", "kills").put("CriteriaName", "playerKillCount")
                .put("DisplayName", "Kills").put("RenderType", "integer");
        NbtCompound score = new NbtCompound().put("Name", "Alex").put("Objective", "kills").put("Score", 7)
                .put("Locked", (byte) 0);
        NbtCompound red = new NbtCompound().put("Name", "red").put("DisplayName", "Red Team").put("Prefix", "\u00a7c")
                .put("Suffix", "\u00a7r").put("AllowFriendlyFire", (byte) 0).put("SeeFriendlyInvisibles", (byte) 1)
                .put("Players", NbtList.of(Nbt.STRING, "Alex", "Bo")).put("TeamColor", "red");
        NbtCompound data = new NbtCompound().put("Objectives", NbtList.of(Nbt.COMPOUND, kills))
                .put("PlayerScores", NbtList.of(Nbt.COMPOUND, score)).put("Teams", NbtList.of(Nbt.COMPOUND, red))
                .put("DisplaySlots", new NbtCompound().put("slot_1", "kills").put("slot_5", "kills"));
        return new NbtCompound().put("data", data);
    }

    @Test
    public void theGamesFileIsReadAndWrittenBackInItsLayoutKeepingWhatIsNotModelled() throws Exception {
        File world = Worlds.tempWorld();
        WorldStorage storage = new WorldStorage(world, new Worlds.Log());
        assertNull("no file, no board", storage.loadScoreboard());
        File f = new File(world, "data/scoreboard.dat");
        Worlds.write(f, Nbt.gzip(Nbt.write(gameFile())));

        StoredScoreboard b = storage.loadScoreboard();
        assertEquals(1, b.objectives.size());
        assertEquals("playerKillCount", b.objectives.get(0).criteria);
        assertEquals("Kills", b.objectives.get(0).displayName);
        assertEquals("Alex", b.scores.get(0).entry);
        assertEquals(7, b.scores.get(0).value);
        StoredScoreboard.Team red = b.teams.get(0);
        assertEquals("Red Team", red.displayName);
        assertEquals("\u00a7c", red.prefix);
        assertFalse(red.friendlyFire);
        assertTrue(red.seeInvisibles);
        assertEquals(Arrays.asList("Alex", "Bo"), red.players);
        assertArrayEquals(new String[] {null, "kills", null}, b.slots);

        // changed: a new objective in the list slot, the sidebar cleared
        b.objectives.add(new StoredScoreboard.Objective("deaths", "deathCount", "Deaths"));
        b.scores.add(new StoredScoreboard.Score("Bo", "deaths", -3));
        b.slots[0] = "deaths";
        b.slots[1] = null;
        storage.saveScoreboard(b);
        NbtCompound data = Nbt.read(Nbt.gunzip(Worlds.read(f))).compound("data");
        NbtCompound kills = (NbtCompound) data.list("Objectives").get(0);
        assertEquals("integer", kills.string("RenderType", null));
        NbtCompound deaths = (NbtCompound) data.list("Objectives").get(1);
        assertEquals("deathCount", deaths.get("CriteriaName"));
        NbtCompound boScore = (NbtCompound) data.list("PlayerScores").get(1);
        assertEquals(Integer.valueOf(-3), boScore.get("Score"));
        assertEquals(Byte.valueOf((byte) 0), ((NbtCompound) data.list("PlayerScores").get(0)).get("Locked"));
        NbtCompound team = (NbtCompound) data.list("Teams").get(0);
        assertEquals(Byte.valueOf((byte) 0), team.get("AllowFriendlyFire"));
        assertEquals(Byte.valueOf((byte) 1), team.get("SeeFriendlyInvisibles"));
        assertEquals(Nbt.STRING, team.list("Players").type);
        assertEquals("red", team.get("TeamColor"));
        NbtCompound slots = data.compound("DisplaySlots");
        assertEquals("deaths", slots.get("slot_0"));
        assertFalse(slots.has("slot_1"));
        assertEquals("a later version's slot stays", "kills", slots.get("slot_5"));

        // no slot shown at all: no DisplaySlots, as the game writes it
        StoredScoreboard empty = new StoredScoreboard();
        storage.saveScoreboard(empty);
        NbtCompound emptyData = Nbt.read(Nbt.gunzip(Worlds.read(f))).compound("data");
        assertFalse(emptyData.has("DisplaySlots"));
        assertEquals(0, emptyData.list("Objectives").size());
        storage.close();
    }

    @Test
    public void aBrokenFileIsSetAsideAndAnUnreadableOneIsNeverWrittenOver() throws Exception {
        File world = Worlds.tempWorld();
        Worlds.Log log = new Worlds.Log();
        WorldStorage storage = new WorldStorage(world, log);
        File f = new File(world, "data/scoreboard.dat");
        byte[] whole = Nbt.gzip(Nbt.write(gameFile()));
        byte[][] broken = {
            Arrays.copyOf(whole, whole.length / 2),
            Nbt.gzip(Nbt.write(new NbtCompound().put("Objectives", 1))), // no data compound
            Nbt.gzip(Nbt.write(new NbtCompound().put("data", new NbtCompound().put("Objectives", "kills")))),
            Nbt.gzip(Nbt.write(new NbtCompound().put("data", new NbtCompound()
                    .put("PlayerScores", NbtList.of(Nbt.COMPOUND, new NbtCompound().put("Score", 1)))))), // no names
        };
        for (int i = 0; i < broken.length; i++) {
            Worlds.write(f, broken[i]);
            assertNull(storage.loadScoreboard());
            assertTrue(log.all(), log.warnings.get(i).contains(f.getPath()) && log.warnings.get(i).contains("broken-"));
            assertFalse(f.exists());
        }
        assertEquals(broken.length, Worlds.named(f.getParentFile(), "scoreboard.dat.broken-").size());

        // a file that cannot be read now (here a folder in its place) is no board to start anew from
        assertTrue(f.mkdir());
        try {
            storage.loadScoreboard();
            fail("read a folder as the scoreboard");
        } catch (Unavailable e) {
            assertTrue(e.getMessage(), e.getMessage().contains(f.getPath()));
        }
        assertTrue("left where it is", f.isDirectory());
        storage.close();
    }
}
