package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import java.util.Random;

import org.bukkit.Location;
import org.bukkit.entity.Player;
import org.bukkit.event.Event;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDeathEvent;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** The plugin API's members of a mob, answered by its parts: health, resistance, effects, name, sight, teleport. */
public class MobApiTest {
    private final GridWorld w = new GridWorld(new Grid(4));
    private final Mobs mobs = new Mobs(w, new Random(4));
    private long tick;

    {
        w.spawn = new int[] {100000, 4, 0};
        w.monsters = false;
        w.animals = false;
        w.dayTime = 18000;
    }

    @Before
    public void listen() throws Exception {
        GridWorld.listen();
    }

    @After
    public void deaf() {
        GridWorld.deaf();
    }

    private void run(int ticks) {
        List<Player> nobody = Collections.emptyList();
        for (int i = 0; i < ticks; i++) {
            tick++;
            mobs.tickWith(tick, nobody);
            for (WorldEntity e : w.entities.all()) {
                e.tick(tick);
                if (e.isRemoved()) {
                    w.entities.remove(e);
                }
            }
        }
    }

    private Mob spawn(MobKind kind, double x, double z) {
        return mobs.spawn(kind, x, 4, z, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
    }

    private <T extends Event> T last(Class<T> type) {
        T found = null;
        for (Event e : w.events) {
            if (type.isInstance(e)) {
                found = type.cast(e);
            }
        }
        return found;
    }

    @Test
    public void healthIsSetWithinItsBoundsAndZeroKills() {
        Mob cow = spawn(MobKind.COW, 0.5, 0.5);
        for (double wrong : new double[] {-1, 10.5}) {
            try {
                cow.setHealth(wrong);
                fail("health " + wrong + " taken");
            } catch (IllegalArgumentException expected) {
                // beyond 0 to the greatest health
            }
        }
        cow.setMaxHealth(6);
        assertEquals("cut down to the new greatest", 6.0, cow.getHealth(), 0);
        cow.resetMaxHealth();
        assertEquals(10.0, cow.getMaxHealth(), 0);
        w.shown.clear();
        cow.setHealth(9);
        assertEquals(9f, cow.health, 0);
        assertEquals("the new health is shown", 1, w.shown.size());
        cow.setHealth(0);
        assertTrue(cow.dead);
        assertTrue(last(EntityDeathEvent.class) != null);
        assertEquals(0.0, cow.getHealth(), 0);
    }

    @Test
    public void aHitLeavesHalfASecondOfResistanceThePluginsSeeAndMaySetAside() {
        Player alex = GridWorld.player("Alex", -1.5, 4, 10.5);
        Mob pig = spawn(MobKind.PIG, 0.5, 10.5);
        pig.damage(4, alex);
        assertTrue("an attack by the entity", last(EntityDamageEvent.class) instanceof EntityDamageByEntityEvent);
        assertEquals(alex, pig.getKiller());
        assertEquals(4.0, pig.getLastDamage(), 0);
        assertEquals("ten ticks, told as twenty", 20, pig.getNoDamageTicks());
        run(4);
        assertEquals(12, pig.getNoDamageTicks());
        pig.damage(3);
        assertEquals("within the resistance a smaller hit does nothing", 6f, pig.health, 1e-6);
        pig.setNoDamageTicks(0);
        pig.damage(3);
        assertEquals(3f, pig.health, 1e-6);
        assertEquals("a plugin's hit by nothing", EntityDamageEvent.DamageCause.CUSTOM,
                last(EntityDamageEvent.class).getCause());
        pig.setMaximumNoDamageTicks(30);
        assertEquals(30, pig.getMaximumNoDamageTicks());
    }

    @Test
    public void potionEffectsAreKeptOneOfEachTypeAndReplacedOnlyByForce() {
        Mob sheep = spawn(MobKind.SHEEP, 0.5, 20.5);
        PotionEffect slow = new PotionEffect(PotionEffectType.SLOW, 100, 0);
        PotionEffect slower = new PotionEffect(PotionEffectType.SLOW, 200, 2);
        assertTrue(sheep.addPotionEffect(slow));
        assertFalse(sheep.addPotionEffect(slower));
        assertEquals(Collections.singletonList(slow), sheep.getActivePotionEffects());
        assertTrue(sheep.addPotionEffect(slower, true));
        assertEquals(Collections.singletonList(slower), sheep.getActivePotionEffects());
        assertFalse("one of them is kept already", sheep.addPotionEffects(
                Arrays.asList(new PotionEffect(PotionEffectType.SPEED, 10, 0), slow)));
        assertTrue(sheep.hasPotionEffect(PotionEffectType.SPEED));
        sheep.removePotionEffect(PotionEffectType.SLOW);
        assertFalse(sheep.hasPotionEffect(PotionEffectType.SLOW));
        assertEquals(1, sheep.getActivePotionEffects().size());
    }

    @Test
    public void aNameIsCutTo64AndShownItsSightStopsAtStoneNotGlassAndATeleportForgetsItsWay() {
        Mob zombie = spawn(MobKind.ZOMBIE, 0.5, 30.5);
        w.shown.clear();
        char[] name = new char[70];
        Arrays.fill(name, 'z');
        zombie.setCustomName(new String(name));
        assertEquals(64, zombie.getCustomName().length());
        zombie.setCustomNameVisible(true);
        assertTrue(zombie.isCustomNameVisible());
        assertEquals("each change shown", 2, w.shown.size());

        Player alex = GridWorld.player("Alex", 8.5, 4, 30.5);
        assertFalse(zombie.hasLineOfSight(null));
        assertTrue(zombie.hasLineOfSight(alex));
        w.grid.fill(4, 4, 29, 4, 7, 32, 20);
        assertTrue("through glass", zombie.hasLineOfSight(alex));
        w.grid.fill(4, 4, 29, 4, 7, 32, 1);
        assertFalse("not through stone", zombie.hasLineOfSight(alex));

        assertTrue(zombie.walking.walkTo(0, 4, 36, 1.0));
        assertTrue(zombie.teleport(new Location(null, -10.5, 4, 30.5, 90f, 10f)));
        assertEquals(-10.5, zombie.x, 0);
        assertEquals(90f, zombie.headYaw, 0);
        assertFalse("its way is forgotten", zombie.walking.hasWay());
        zombie.setHealth(0);
        assertFalse("a dead one stays", zombie.teleport(new Location(null, 0, 4, 0)));
        assertNull(zombie.getLocation(null));
    }
}
