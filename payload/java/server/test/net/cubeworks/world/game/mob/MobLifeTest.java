package net.cubeworks.world.game.mob;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Collections;
import java.util.List;
import java.util.Random;

import org.bukkit.entity.Player;
import org.bukkit.event.Event;
import org.bukkit.event.entity.CreatureSpawnEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;
import org.bukkit.event.entity.EntityDeathEvent;
import org.bukkit.event.entity.EntityTargetEvent;
import org.bukkit.event.entity.ExplosionPrimeEvent;
import org.bukkit.inventory.ItemStack;
import org.junit.Test;

import net.cubeworks.world.game.entity.WorldEntity;

/** Mobs living in a made-up world: their bodies, hurt and death, and each kind's ways. */
public class MobLifeTest {
    @org.junit.Before
    public void listen() throws Exception {
        GridWorld.listen();
    }

    @org.junit.After
    public void deaf() {
        GridWorld.deaf();
    }

    private GridWorld w = new GridWorld(new Grid(4));
    private Mobs mobs = new Mobs(w, new Random(11));
    private List<Player> nobody = Collections.emptyList();
    private long tick;

    {
        w.spawn = new int[] {100000, 4, 0};
        w.monsters = false; // nothing comes by itself
        w.animals = false;
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

    private Mob spawn(MobKind kind, double x, double y, double z) {
        Mob m = mobs.spawn(kind, x, y, z, 0f, CreatureSpawnEvent.SpawnReason.CUSTOM);
        assertNotNull(m);
        return m;
    }

    @Test
    public void aBodyFallsLandsHurtByTheFallAndClimbsOneBlockOnItsWay() {
        Mob cow = spawn(MobKind.COW, 0.5, 10, 0.5);
        run(40, nobody);
        assertEquals(4.0, cow.y, 1e-9);
        assertTrue(cow.onGround);
        assertEquals("six blocks down: three points", 7f, cow.health, 1e-6);

        Mob chicken = spawn(MobKind.CHICKEN, 5.5, 12, 0.5);
        run(80, nobody);
        assertEquals(4.0, chicken.y, 1e-9);
        assertEquals("a chicken flaps down unhurt", 4f, chicken.health, 1e-6);

        w.grid.fill(3, 4, -3, 3, 4, 3, 1); // a step of one across the way
        Mob zombie = spawn(MobKind.ZOMBIE, 0.5, 4, 0.5);
        w.dayTime = 18000;
        assertTrue(zombie.walking.walkTo(6, 4, 0, 1.0));
        run(200, nobody);
        assertEquals(6.5, zombie.x, 0.35);
        assertEquals(4.0, zombie.y, 1e-9);
        assertTrue("over the step, not through it", zombie.health == 20f);
    }

    @Test
    public void hitsWithinHalfASecondOnlyDoWhatTheyDoBeyondTheLastAndKnockBack() {
        Mob zombie = spawn(MobKind.ZOMBIE, 0.5, 4, 0.5);
        w.dayTime = 18000;
        Player alex = GridWorld.player("Alex", -1.5, 4, 0.5);
        assertTrue(zombie.hurt(5, alex, DamageCause.ENTITY_ATTACK));
        assertEquals(15f, zombie.health, 1e-6);
        assertTrue("pushed away from the hitter and up", zombie.motionX > 0 && zombie.motionY > 0);
        assertEquals("it turns on whoever hurt it", alex, zombie.getTarget());
        assertFalse(zombie.hurt(3, alex, DamageCause.ENTITY_ATTACK));
        assertTrue(zombie.hurt(7, alex, DamageCause.ENTITY_ATTACK));
        assertEquals(13f, zombie.health, 1e-6);
        tick += 10;
        mobs.tickWith(tick, nobody);
        assertTrue(zombie.hurt(3, null, DamageCause.FIRE));
        assertEquals(10f, zombie.health, 1e-6);
    }

    @Test
    public void deathLeavesTheKindsDropsCookedWhenBurningAndTheMobIsGoneASecondLater() {
        Mob cow = spawn(MobKind.COW, 0.5, 4, 0.5);
        Player alex = GridWorld.player("Alex", 2.5, 4, 0.5);
        cow.fireTicks = 100;
        cow.hurt(20, alex, DamageCause.ENTITY_ATTACK);
        assertTrue(cow.dead);
        EntityDeathEvent death = null;
        for (Event e : w.events) {
            if (e instanceof EntityDeathEvent) {
                death = (EntityDeathEvent) e;
            }
        }
        assertNotNull(death);
        assertTrue("experience for a player's kill", death.getDroppedExp() >= 1 && death.getDroppedExp() <= 3);
        boolean beef = false;
        for (ItemStack s : death.getDrops()) {
            assertTrue(s.getTypeId() == 334 || s.getTypeId() == 364);
            beef |= s.getTypeId() == 364;
        }
        assertTrue("cooked beef from a burning cow", beef);
        assertEquals(death.getDrops().size(), w.drops.size());
        run(19, nobody);
        assertFalse(cow.isRemoved());
        run(1, nobody);
        assertTrue(cow.isRemoved());

        Mob zombie = spawn(MobKind.ZOMBIE, 0.5, 4, 0.5);
        w.events.clear();
        zombie.hurt(30, null, DamageCause.FALL);
        for (Event e : w.events) {
            if (e instanceof EntityDeathEvent) {
                assertEquals("no experience without a player", 0, ((EntityDeathEvent) e).getDroppedExp());
            }
        }
    }

    @Test
    public void aZombieAtNightFindsThePlayerWalksToHimAndHitsByTheDifficulty() {
        w.dayTime = 18000;
        Mob zombie = spawn(MobKind.ZOMBIE, 12.5, 4, 0.5);
        w.grid.fill(6, 4, -20, 6, 4, 20, 1); // a low wall in between: seen over, climbed
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        List<Player> players = Collections.singletonList(alex);
        run(300, players);
        assertEquals(alex, zombie.getTarget());
        assertFalse("it hit him", w.hurt.isEmpty());
        assertEquals("Alex was slain by Zombie / 3.0", w.hurt.get(0));
        int hits = w.hurt.size();
        run(20, players);
        assertEquals("once a second", hits + 1, w.hurt.size(), 1);
        boolean targeted = false;
        for (Event e : w.events) {
            targeted |= e instanceof EntityTargetEvent
                    && ((EntityTargetEvent) e).getReason() == EntityTargetEvent.TargetReason.CLOSEST_PLAYER;
        }
        assertTrue(targeted);

        assertEquals(0f, MobKind.scaledForDifficulty(3, 0), 0);
        assertEquals(2.5f, MobKind.scaledForDifficulty(3, 1), 0);
        assertEquals(3f, MobKind.scaledForDifficulty(3, 2), 0);
        assertEquals(4.5f, MobKind.scaledForDifficulty(3, 3), 0);
        assertEquals("easy never more than the whole", 1f, MobKind.scaledForDifficulty(1, 1), 0);

        w.difficulty = 0;
        run(1, players);
        assertTrue("peaceful takes the monsters away", zombie.isRemoved());
    }

    @Test
    public void theUndeadBurnInTheSunButNotInTheShade() {
        Mob zombie = spawn(MobKind.ZOMBIE, 0.5, 4, 0.5);
        Mob shaded = spawn(MobKind.SKELETON, 20.5, 4, 0.5);
        w.grid.fill(18, 7, -2, 22, 7, 2, 1);
        boolean burned = false;
        for (int i = 0; i < 400 && !burned; i++) {
            run(1, nobody);
            burned = zombie.fireTicks > 0;
            assertEquals(0, shaded.fireTicks);
        }
        assertTrue(burned);
        Mob night = spawn(MobKind.ZOMBIE, 40.5, 4, 0.5);
        w.dayTime = 18000;
        run(400, nobody);
        assertEquals(0, night.fireTicks);
    }

    @Test
    public void aCreeperNearItsTargetSwellsAndExplodesUnlessStopped() {
        w.dayTime = 18000;
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        List<Player> players = Collections.singletonList(alex);
        CreeperMob stopped = (CreeperMob) spawn(MobKind.CREEPER, 2.5, 4, 0.5);
        w.cancel.add(ExplosionPrimeEvent.class);
        run(60, players);
        assertTrue(w.explosions.isEmpty());
        assertFalse(stopped.isRemoved());
        assertEquals(1, stopped.state);
        w.cancel.clear();
        run(2, players);
        assertTrue(stopped.isRemoved());
        assertEquals(1, w.explosions.size());
        assertEquals(3.0, w.explosions.get(0)[3], 0);

        CreeperMob far = (CreeperMob) spawn(MobKind.CREEPER, 12.5, 4, 0.5);
        far.setPowered(true);
        run(5, players);
        assertEquals("not yet near", -1, far.state);
    }

    @Test
    public void aSpiderIsNeutralInDaylightAndHuntsAtNight() {
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        List<Player> players = Collections.singletonList(alex);
        Mob spider = spawn(MobKind.SPIDER, 8.5, 4, 0.5);
        run(100, players);
        assertNull(spider.getTarget());
        w.dayTime = 18000;
        run(20, players);
        assertEquals(alex, spider.getTarget());
    }

    @Test
    public void aSkeletonShootsArrowsThatFlyDownwardsAndHurtWhatTheyHit() {
        w.dayTime = 18000;
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        spawn(MobKind.SKELETON, 10.5, 4, 0.5);
        run(100, Collections.singletonList(alex));
        boolean shot = false;
        for (WorldEntity e : w.entities.all()) {
            shot |= e instanceof ArrowEntity;
        }
        assertTrue(shot);

        // an arrow shot level at 3 blocks a tick falls and sticks in the ground
        ArrowEntity a = mobs.shootArrow(null, 0.5, 10, 30.5, -90f, 0f, 3f, 0f);
        double lastY = a.y;
        for (int i = 0; i < 40 && !a.inGround; i++) {
            a.tick(++tick);
            assertTrue(a.y <= lastY);
            lastY = a.y;
        }
        assertTrue(a.inGround);
        assertEquals(4.0, a.y, 0.3);
        assertTrue("it flew east", a.x > 10);

        // one into a cow hurts it by its speed times its damage, rounded up
        Mob cow = spawn(MobKind.COW, 5.5, 4, 50.5);
        ArrowEntity b = mobs.shootArrow(null, 0.5, 5, 50.5, -90f, 0f, 1.5f, 0f);
        for (int i = 0; i < 10 && !b.isRemoved(); i++) {
            b.tick(++tick);
        }
        assertTrue(b.isRemoved());
        assertEquals(10f - 3f, cow.health, 1e-6);
        assertEquals(6, ArrowEntity.damageOf(3.0, 2.0, false, 0));
        assertEquals(4, ArrowEntity.damageOf(1.6, 2.0, false, 0));
        assertEquals("a critical full draw: at most 10", 10, ArrowEntity.damageOf(3.0, 2.0, true, 0.999));
    }

    @Test
    public void sheepAreShornGrowWoolBackOnGrassAndAnimalsBreedWhenFed() {
        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        SheepMob sheep = (SheepMob) spawn(MobKind.SHEEP, 3.5, 4, 0.5);
        sheep.color = 15;
        assertEquals(ClickUse.WEAR_TOOL, sheep.interact(alex, 359, 0));
        assertTrue(sheep.sheared);
        assertTrue(w.drops.size() >= 1 && w.drops.size() <= 3);
        for (int[] d : w.drops) {
            assertEquals(35, d[0]);
            assertEquals(15, d[2]);
        }
        assertEquals("shorn once", ClickUse.NOTHING, sheep.interact(alex, 359, 0));
        w.setBlock(3, 3, 0, 2, 0);
        sheep.eating = 5;
        run(1, nobody);
        assertFalse("it ate the grass", sheep.sheared);
        assertEquals(3, w.blockAt(3, 3, 0));

        int[] colours = new int[16];
        Random r = new Random(1);
        for (int i = 0; i < 100000; i++) {
            colours[SheepMob.fleece(r)]++;
        }
        assertEquals(0.818, colours[0] / 100000.0, 0.01);
        assertEquals(0.05, colours[15] / 100000.0, 0.005);
        assertEquals(0.03, colours[12] / 100000.0, 0.004);
        assertTrue(colours[6] > 50 && colours[6] < 300);

        Animal a = (Animal) spawn(MobKind.COW, 10.5, 4, 10.5);
        Animal b = (Animal) spawn(MobKind.COW, 12.5, 4, 10.5);
        assertEquals(ClickUse.NOTHING, a.interact(alex, 295, 0));
        assertEquals(ClickUse.CONSUME_ONE, a.interact(alex, 296, 0));
        assertEquals(ClickUse.CONSUME_ONE, b.interact(alex, 296, 0));
        assertEquals(ClickUse.MILK, a.interact(alex, 325, 0));
        w.events.clear();
        run(200, nobody);
        Animal calf = null;
        for (Event e : w.events) {
            if (e instanceof CreatureSpawnEvent) {
                assertEquals(CreatureSpawnEvent.SpawnReason.BREEDING, ((CreatureSpawnEvent) e).getSpawnReason());
                calf = (Animal) ((CreatureSpawnEvent) e).getEntity();
            }
        }
        assertNotNull(calf);
        assertFalse(calf.isAdult());
        assertEquals("breeding lets one sum of experience fall", 1, w.experience.size());
        assertTrue(w.experience.get(0) >= 1 && w.experience.get(0) <= 7);
        assertEquals(Animal.BREED_WAIT, a.age, 200);
        assertEquals("not again so soon", ClickUse.NOTHING, a.interact(alex, 296, 0));
    }

    @Test
    public void lightningBurnsWhatIsNearChargesCreepersAndStrikesByItselfInStorms() {
        Mob cow = spawn(MobKind.COW, 1.5, 4, 0.5);
        CreeperMob creeper = (CreeperMob) spawn(MobKind.CREEPER, -1.5, 4, 0.5);
        Mob far = spawn(MobKind.PIG, 10.5, 4, 0.5);
        assertNotNull(mobs.strike(0.5, 4, 0.5, false));
        assertEquals(5f, cow.health, 1e-6);
        assertTrue(cow.fireTicks > 0);
        assertTrue(creeper.isPowered());
        assertEquals(10f, far.health, 1e-6);
        assertEquals("fire where it struck (normal difficulty)", 51, w.blockAt(0, 4, 0));
        w.setBlock(0, 4, 0, 0, 0);
        tick += 20;
        mobs.tickWith(tick, nobody);
        assertNotNull(mobs.strike(0.5, 4, 0.5, true));
        assertEquals("an effect only shows", 5f, cow.health, 1e-6);
        assertEquals(0, w.blockAt(0, 4, 0));
        w.cancel.add(org.bukkit.event.weather.LightningStrikeEvent.class);
        assertNull(mobs.strike(0.5, 4, 0.5, false));
        w.cancel.clear();

        Player alex = GridWorld.player("Alex", 0.5, 4, 0.5);
        List<Player> players = Collections.singletonList(alex);
        w.shown.clear();
        w.raining = true;
        run(2000, players);
        assertEquals("no bolts in plain rain", 0, bolts());
        w.thundering = true;
        run(4000, players);
        assertTrue("bolts in a thunderstorm: about one in 350 ticks near a player", bolts() >= 3 && bolts() <= 40);
    }

    private int bolts() {
        int n = 0;
        for (net.cubeworks.world.protocol.PacketOut p : w.shown) {
            n += p.frame().length > 1 && (p.body()[0] & 0xFF) == net.cubeworks.world.protocol.PlayPackets.SPAWN_GLOBAL_ENTITY
                    ? 1 : 0;
        }
        return n;
    }
}
