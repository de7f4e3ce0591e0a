package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.Map;
import java.util.Random;

import org.junit.Test;

/** Mobs as the game keeps them in a column's Entities: written and read back, and broken tags refused. */
public class MobCodecTest {
    @org.junit.Before
    public void listen() throws Exception {
        GridWorld.listen();
    }

    @org.junit.After
    public void deaf() {
        GridWorld.deaf();
    }

    private final Mobs mobs = new Mobs(new GridWorld(new Grid(4)), new Random(2));

    @Test
    public void aMobComesBackAsItWasKeptWithTheGamesNamesAndTypes() {
        SheepMob sheep = (SheepMob) mobs.create(MobKind.SHEEP, 10.25, 64, -3.5);
        sheep.color = 14;
        sheep.sheared = true;
        sheep.age = -1200;
        sheep.health = 5.5f;
        sheep.yaw = 90;
        sheep.customName = "Dolly";
        Map<String, Object> tag = MobCodec.write(sheep);
        assertEquals("Sheep", tag.get("id"));
        assertEquals(Arrays.asList(10.25, 64.0, -3.5), tag.get("Pos"));
        assertEquals((byte) 14, tag.get("Color"));
        assertEquals((short) 6, tag.get("Health"));
        assertEquals(5.5f, tag.get("HealF"));

        Mob back = MobCodec.read(mobs, tag);
        assertTrue(back instanceof SheepMob);
        SheepMob s = (SheepMob) back;
        assertEquals(sheep.getUniqueId(), s.getUniqueId());
        assertEquals(14, s.color);
        assertTrue(s.sheared);
        assertEquals(-1200, s.age);
        assertEquals(5.5f, s.health, 0);
        assertEquals(90f, s.yaw, 0);
        assertEquals("Dolly", s.customName);
        assertEquals(10.25, s.x, 0);

        CreeperMob creeper = (CreeperMob) mobs.create(MobKind.CREEPER, 0, 5, 0);
        creeper.powered = true;
        creeper.persistent = true;
        CreeperMob c = (CreeperMob) MobCodec.read(mobs, MobCodec.write(creeper));
        assertTrue(c.powered && c.persistent);
        for (MobKind k : MobKind.values()) {
            assertEquals(k, MobCodec.read(mobs, MobCodec.write(mobs.create(k, 1, 5, 1))).kind);
        }
    }

    @Test
    public void brokenOrForeignTagsAreRefusedAndWildNumbersTamed() {
        Map<String, Object> t = new LinkedHashMap<String, Object>();
        t.put("id", "Zombie");
        assertNull("no position", MobCodec.read(mobs, t));
        t.put("Pos", Arrays.<Object>asList(1.0, Double.NaN, 1.0));
        assertNull(MobCodec.read(mobs, t));
        t.put("Pos", Arrays.<Object>asList(1.0, 2.0));
        assertNull(MobCodec.read(mobs, t));
        t.put("Pos", Arrays.<Object>asList(1.0, 5.0, 4.0E7));
        assertNull("beyond the world's edge", MobCodec.read(mobs, t));
        t.put("Pos", Arrays.<Object>asList(1.0, 5.0, 1.0));
        t.put("id", "Ghast");
        assertNull("a kind this server has not", MobCodec.read(mobs, t));
        t.put("id", "Zombie");
        t.put("HealF", 500f);
        t.put("Motion", Arrays.<Object>asList(1.0e9, 0.0, "x"));
        t.put("Rotation", Arrays.<Object>asList(10f, 400f));
        Mob z = MobCodec.read(mobs, t);
        assertEquals(20f, z.health, 0);
        assertEquals("a broken motion is none", 0.0, z.motionX, 0);
        assertEquals(90f, z.pitch, 0);
        t.put("HealF", -3f);
        assertEquals("a dead one kept comes back barely alive", 0.5f, MobCodec.read(mobs, t).health, 0);
    }
}
