package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Collections;
import java.util.List;
import java.util.Map;
import java.util.Random;

import org.bukkit.entity.Player;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** The enderman: a stare angers it, thrown things and water make it teleport, it carries the game's blocks. */
public class EndermanTest {
    private final GridWorld w = new GridWorld(new Grid(4));
    private final Mobs mobs = new Mobs(w, new Random(9));
    private long tick;

    {
        w.spawn = new int[] {100000, 4, 0};
        w.monsters = false;
        w.animals = false;
        w.dayTime = 18000; // night: the sun does not drive it off
    }

    private void run(int ticks, List<Player> players) {
        for (int i = 0; i < ticks; i++) {
            tick++;
            mobs.tickWith(tick, players);
            for (WorldEntity e : w.entities.all()) {
                e.tick(tick);
                if (e.isRemoved()) {
                    w.entities.remove(e);
                }
            }
        }
    }

    private EndermanMob enderman(double x, double z) {
        return (EndermanMob) mobs.spawn(MobKind.ENDERMAN, x, 4, z, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
    }

    @Test
    public void aStareOfSixTicksAngersItALookAsideDoesNot() {
        w.griefing = false;
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5); // looks toward +z
        EndermanMob aside = enderman(6.5, 0.5);
        run(40, Collections.singletonList(alex));
        assertNull("not looked at: neutral", aside.target);
        aside.markRemoved();
        run(1, Collections.<Player>emptyList());

        EndermanMob ahead = enderman(0.5, 12.5);
        assertTrue(ahead.staredAtBy(alex));
        run(5, Collections.singletonList(alex));
        assertNull(ahead.target);
        run(2, Collections.singletonList(alex));
        assertEquals(alex, ahead.target);
        assertTrue(ahead.screaming);
    }

    @Test
    public void thrownThingsNeverHurtItItTeleportsAwayAndWaterDrivesItOff() {
        w.griefing = false;
        EndermanMob e = enderman(0.5, 0.5);
        SnowballEntity ball = new SnowballEntity(mobs, null, 0, 0, 0);
        assertFalse("a projectile's hit", e.hurt(5, ball, DamageCause.PROJECTILE));
        assertEquals(40f, e.health, 0);
        assertTrue("it went elsewhere", Math.abs(e.x - 0.5) + Math.abs(e.z - 0.5) > 0.01);
        assertEquals("onto the floor", 4.0, e.y, 1e-9);

        Player alex = GridWorld.player("Alex", 30.5, 4, 30.5);
        EndermanMob hit = enderman(50.5, 50.5);
        assertTrue(hit.hurt(7, alex, DamageCause.ENTITY_ATTACK));
        assertEquals(33f, hit.health, 0);
        assertEquals("a player's hit angers it", alex, hit.target);

        EndermanMob wet = enderman(-20.5, -20.5);
        for (int x = -23; x <= -18; x++) {
            for (int z = -23; z <= -18; z++) {
                for (int y = 4; y <= 7; y++) {
                    w.setBlock(x, y, z, 9, 0);
                }
            }
        }
        run(2, Collections.<Player>emptyList()); // the first finds it in the water
        assertTrue("water hurts it", wet.health < 40f);
        for (int i = 0; i < 40 && Math.abs(wet.x + 20.5) + Math.abs(wet.z + 20.5) < 3; i++) {
            run(1, Collections.<Player>emptyList()); // a try each tick while wet
        }
        assertTrue("and it leaves it", Math.abs(wet.x + 20.5) + Math.abs(wet.z + 20.5) >= 3);
    }

    @Test
    public void itCarriesTheGamesBlocksAsMobGriefingAllows() {
        EndermanMob e = enderman(0.5, 0.5);
        for (int x = -2; x <= 2; x++) {
            for (int z = -2; z <= 2; z++) {
                w.setBlock(x, 3, z, 1, 0);
                for (int y = 4; y <= 6; y++) {
                    w.setBlock(x, y, z, x == 0 && z == 0 ? 0 : 12, 0); // sand around it
                }
            }
        }
        w.setBlock(0, 5, 0, 0, 0);
        w.setBlock(0, 6, 0, 0, 0);
        w.griefing = false;
        run(200, Collections.<Player>emptyList());
        assertEquals("mobGriefing off", 0, e.carried);
        w.griefing = true;
        for (int i = 0; i < 400 && e.carried == 0; i++) {
            run(1, Collections.<Player>emptyList());
        }
        assertEquals("picked up sand", 12, e.carried);
        int sand = 0;
        for (int x = -2; x <= 2; x++) {
            for (int z = -2; z <= 2; z++) {
                for (int y = 4; y <= 6; y++) {
                    sand += w.blockAt(x, y, z) == 12 ? 1 : 0;
                }
            }
        }
        assertEquals("one block fewer", 5 * 5 * 3 - 3 - 1, sand);
        assertFalse(EndermanMob.carriable(1));
        assertTrue(EndermanMob.carriable(2) && EndermanMob.carriable(86) && EndermanMob.carriable(110));

        e.carried = 46;
        e.carriedData = 0;
        Map<String, Object> kept = MobCodec.write(e);
        assertEquals((short) 46, kept.get("carried"));
        EndermanMob back = (EndermanMob) MobCodec.read(mobs, kept);
        assertEquals(46, back.carried);
        kept.put("carried", (short) 4000);
        assertEquals("no block id beyond the game's", 0, ((EndermanMob) MobCodec.read(mobs, kept)).carried);
    }
}
